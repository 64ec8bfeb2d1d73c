// Why the QApplication could not be made, in the one line the process ends
// with.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <string>
#include <vector>

namespace fw {

// A message of Qt's, held back while the QApplication is made.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

// What there is to go on when no platform plugin could start: Qt's messages,
// its fatal one, and what libraries wrote straight to standard error.
struct StartFailure {
    const std::vector<HeldMessage>& heldMessages;
    QString fatalText;
    std::string libraryOutput;
};

// The reason, without the program's name. Where Qt could not connect to an X
// server: the server's own reason when one was reached and refused the
// connection (a missing or wrong authorization cookie names XAUTHORITY); the
// missing Wayland plugin when a compositor runs but Qt has no plugin for
// it; otherwise a request for a running display. Any other failure gives
// Qt's own reason, and names the package of the Wayland plugin when that
// plugin was asked for by name and is not there.
QByteArray StartFailureReason(const StartFailure& failure);

// `text` as one sentence of a report, without its full stop: the report adds
// them.
QString Sentence(const QString& text);

} // namespace fw
