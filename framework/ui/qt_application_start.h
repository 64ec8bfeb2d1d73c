// Making the process's QApplication, and the one line that says why it could
// not be made.
#pragma once

#include <QApplication>

#include <memory>

namespace fw {

// Makes the QApplication and with it the connection to the display. Qt's
// messages meanwhile, and what libraries write straight to standard error,
// are held back and passed on once it stands. When no platform plugin can
// start, Qt gives up: the process then prints one line with the reason (see
// StartFailureReason) and ends with status 1. Once it stands, losing the X
// server ends the process the same way: one line, status 1.
std::unique_ptr<QApplication> StartQtApplication();

} // namespace fw
