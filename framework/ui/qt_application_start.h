// Making the process's QApplication, and the one line that says why it could
// not be made.
#pragma once

#include <QApplication>

#include <memory>

namespace fw {

// Makes the QApplication and with it the connection to the display. Qt's
// messages meanwhile are held back and passed on once it stands. When no
// platform plugin can start, Qt gives up: the process then prints one line
// with the reason and ends with status 1. The line asks for a running display
// when Qt could not connect to one, and otherwise gives Qt's own reason (a
// platform plugin that does not exist, with those that do). Once it stands,
// losing the X server ends the process the same way: one line, status 1.
std::unique_ptr<QApplication> StartQtApplication();

} // namespace fw
