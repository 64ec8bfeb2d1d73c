#include "ui/qt_application_start.h"

#include "ui/xcb_selection_guard.h"

#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace fw {
namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage>* heldMessages = nullptr;

// The platform plugins and their loader log under "qt.qpa": what they say
// (the loader's "found but could not load" comes as information) is why no
// platform could start. Others (a missing runtime directory, say) are beside
// the point then.
bool IsPlatformReport(const HeldMessage& message)
{
    return message.category.startsWith("qt.qpa") && message.type != QtDebugMsg;
}

// The X11 plugin was there but found no X server at the display it was given
// (or none was given).
bool CouldNotConnectToDisplay(const std::vector<HeldMessage>& held)
{
    for (const HeldMessage& message : held) {
        if (message.category.startsWith("qt.qpa.xcb") && message.text.contains("could not connect to display"))
            return true;
    }
    return false;
}

// One sentence of a report, without its full stop: the report adds them.
QString Sentence(const QString& text)
{
    QString sentence = text.simplified();
    while (sentence.endsWith(QLatin1Char('.')))
        sentence.chop(1);
    return sentence;
}

// Qt's reason in one line: what the platform plugins said, then the last line
// of its fatal message. For a missing plugin that line lists the plugins
// there are; the paragraph before it only suggests reinstalling.
QString QtReason(const std::vector<HeldMessage>& held, const QString& fatalText)
{
    QStringList sentences;
    for (const HeldMessage& message : held) {
        if (IsPlatformReport(message))
            sentences << Sentence(message.text);
    }
    const QStringList fatalLines = fatalText.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (!fatalLines.isEmpty())
        sentences << Sentence(fatalLines.last());
    sentences.removeAll(QString());
    return sentences.join(QStringLiteral(". ")) + QLatin1Char('.');
}

[[noreturn]] void ReportStartFailure(const QString& fatalText)
{
    const QByteArray reason = CouldNotConnectToDisplay(*heldMessages)
        ? QByteArrayLiteral("cannot open a display (is DISPLAY or WAYLAND_DISPLAY set to a running one?)")
        : "cannot start the user interface: " + QtReason(*heldMessages, fatalText).toLocal8Bit();
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
    auto application = std::make_unique<QApplication>(argc, argv);
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
