// Writes one debug-log line, "12picked", and ends. The debug-log tests start
// it with the environment and the configuration files under test, as a
// desktop starts the program: Qt reads its logging rules and files when the
// application object is made.
#include "services/system.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    const QCoreApplication application(argc, argv);
    fw::System()->DebugLog(fw::String("12picked"));
    return 0;
}
