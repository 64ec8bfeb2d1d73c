#include "ui/qt_application_start.h"

#include "services/held_standard_error.h"
#include "ui/start_failure_reason.h"
#include "ui/xcb_selection_guard.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace fw {
namespace {

std::vector<HeldMessage>* heldMessages = nullptr;
HeldStandardError* heldLibraryOutput = nullptr;

[[noreturn]] void ReportStartFailure(const QString& fatalText)
{
    const QByteArray reason = StartFailureReason({ *heldMessages, fatalText, heldLibraryOutput->Release() });
    std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, reason.constData());
    std::fflush(stderr);
    std::_Exit(1);
}

void HoldStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg)
        ReportStartFailure(text);
    heldMessages->push_back({ type, QByteArray(context.category), text });
}

QtMessageHandler handlerBeforeRun = nullptr;

// Once the application runs, losing the X server makes Qt warn and call
// exit(1); the exit handlers then touch the dead connection, and Xlib adds a
// report of its own. The process ends at Qt's warning instead, with its one
// line and status 1, and runs nothing more.
void EndAtLostDisplay(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (text.startsWith(QLatin1String("The X11 connection broke"))) {
        std::fprintf(stderr, "%s: the display went away: %s\n", program_invocation_short_name,
            Sentence(text).toLocal8Bit().constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
    handlerBeforeRun(type, context, text);
}

} // namespace

std::unique_ptr<QApplication> StartQtApplication()
{
    // The program reads no command line: Qt sees only the process's name.
    static int argc = 1;
    static char* argv[] = { program_invocation_short_name, nullptr };

    std::vector<HeldMessage> held;
    heldMessages = &held;
    handlerBeforeRun = qInstallMessageHandler(HoldStartupMessage);
    std::unique_ptr<QApplication> application;
    {
        // What Xlib and the like write meanwhile is passed on when the
        // scope ends, before Qt's held messages.
        HeldStandardError libraryOutput;
        heldLibraryOutput = &libraryOutput;
        application = std::make_unique<QApplication>(argc, argv);
        heldLibraryOutput = nullptr;
    }
    InstallXcbSelectionGuard();
    qInstallMessageHandler(EndAtLostDisplay);
    heldMessages = nullptr;
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    return application;
}

} // namespace fw
