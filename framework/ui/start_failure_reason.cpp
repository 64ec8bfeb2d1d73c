#include "ui/start_failure_reason.h"

#include "services/wayland_compositor.h"

#include <QStringList>

#include <optional>

namespace fw {
namespace {

constexpr QLatin1StringView kCouldNotConnect("could not connect to display");
constexpr QLatin1StringView kAvailablePlugins("Available platform plugins are:");

// The platform plugins and their loader log under "qt.qpa": what they say
// (the loader's "found but could not load" comes as information) is why no
// platform could start. Others (a missing runtime directory, say) are beside
// the point then.
bool IsPlatformReport(const HeldMessage& message)
{
    return message.category.startsWith("qt.qpa") && message.type != QtDebugMsg;
}

// The display the X11 plugin could not connect to ("" when none was given),
// or nothing when it did not try or got through.
std::optional<QString> DisplayNotConnected(const std::vector<HeldMessage>& held)
{
    for (const HeldMessage& message : held) {
        const qsizetype at = message.text.indexOf(kCouldNotConnect);
        if (message.category.startsWith("qt.qpa.xcb") && at >= 0)
            return message.text.mid(at + kCouldNotConnect.size()).trimmed();
    }
    return std::nullopt;
}

// An X server that was reached but refused the connection sends its reason,
// which Xlib writes to standard error as a line of its own; nothing is
// written when there was no server to reach.
std::optional<QString> XServerRefusal(const std::string& libraryOutput)
{
    const QStringList lines = QString::fromLocal8Bit(libraryOutput).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        if (!line->trimmed().isEmpty())
            return Sentence(*line);
    }
    return std::nullopt;
}

// The reasons an X server gives for a client without the right cookie.
bool IsAuthorizationRefusal(const QString& reason)
{
    return reason.contains(QLatin1String("authoriz"), Qt::CaseInsensitive)
        || reason.contains(QLatin1String("cookie"), Qt::CaseInsensitive)
        || reason.contains(QLatin1String("no protocol specified"), Qt::CaseInsensitive);
}

// Qt's fatal message lists the platform plugins it found.
bool HasWaylandPlugin(const QString& fatalText)
{
    const qsizetype at = fatalText.indexOf(kAvailablePlugins);
    if (at < 0)
        return true; // no list to go on: no claim that it is missing
    const QString list = fatalText.mid(at + kAvailablePlugins.size()).section(QLatin1Char('\n'), 0, 0);
    for (const QString& plugin : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (plugin.trimmed().startsWith(QLatin1String("wayland")))
            return true;
    }
    return false;
}

// Qt was asked for its Wayland plugin by name (QT_QPA_PLATFORM=wayland) and
// has none: its loader says it could not find it.
bool AskedForMissingWaylandPlugin(const StartFailure& failure)
{
    if (HasWaylandPlugin(failure.fatalText))
        return false;
    const QLatin1StringView notFound("Could not find the Qt platform plugin \"wayland");
    for (const HeldMessage& message : failure.heldMessages) {
        if (message.text.contains(notFound))
            return true;
    }
    return failure.fatalText.contains(notFound);
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

QByteArray DisplayReason(const QString& display, const StartFailure& failure)
{
    if (const std::optional<QString> refusal = XServerRefusal(failure.libraryOutput)) {
        QString reason = QStringLiteral("the X server at %1 refused the connection: %2").arg(display, *refusal);
        if (IsAuthorizationRefusal(*refusal))
            reason += QLatin1String(" (check XAUTHORITY)");
        return reason.toLocal8Bit();
    }
    if (WaylandCompositorRunning() && !HasWaylandPlugin(failure.fatalText))
        return QByteArrayLiteral("cannot open a display: a Wayland compositor is running, but Qt's Wayland "
                                 "platform plugin is not installed (package qt6-wayland)");
    return QByteArrayLiteral("cannot open a display (is DISPLAY or WAYLAND_DISPLAY set to a running one?)");
}

} // namespace

QByteArray StartFailureReason(const StartFailure& failure)
{
    if (const std::optional<QString> display = DisplayNotConnected(failure.heldMessages))
        return DisplayReason(*display, failure);
    QByteArray reason
        = "cannot start the user interface: " + QtReason(failure.heldMessages, failure.fatalText).toLocal8Bit();
    if (AskedForMissingWaylandPlugin(failure))
        reason += " Qt's Wayland platform plugin comes with the package qt6-wayland.";
    return reason;
}

QString Sentence(const QString& text)
{
    QString sentence = text.simplified();
    while (sentence.endsWith(QLatin1Char('.')))
        sentence.chop(1);
    return sentence;
}

} // namespace fw
