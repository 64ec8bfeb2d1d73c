// The test processes' main: one QApplication for the whole process, made
// before any test creates a widget. The run time reuses it. Tests run
// offscreen unless the environment names another platform, so they need no
// display, also when ctest lists them.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
