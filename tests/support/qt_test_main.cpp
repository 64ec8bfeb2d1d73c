// The test processes' main: one QApplication for the whole process, made
// before any test creates a widget. The run time reuses it. Tests run
// offscreen unless the environment names another platform, so they need no
// display, also when ctest lists them.
#include <QApplication>
#include <gtest/gtest.h>

// LeakSanitizer's options (asan preset): suppress what system libraries cache
// for the life of the process, from the list that the end-to-end test hands
// the real program. Defined next to main so that the linker always keeps it.
extern "C" const char* __lsan_default_options() { return "suppressions=" PWGEN_LSAN_SUPPRESSIONS; }

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
