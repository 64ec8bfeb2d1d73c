#include "ui/window_peer.h"

#include "ui/window.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace fw {

WindowPeer::WindowPeer(Window& window)
    : window_(window)
    , content_(new QWidget(this))
{
    setCentralWidget(content_);
    content_->setObjectName("content");
}

void WindowPeer::closeEvent(QCloseEvent* event)
{
    if (window_.HandleCloseRequest())
        event->accept();
    else
        event->ignore();
}

void WindowPeer::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            window_.HandleDefaultKey(false);
            return;
        }
        break;
    case Qt::Key_Escape:
        window_.HandleDefaultKey(true);
        return;
    default:
        break;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace fw
