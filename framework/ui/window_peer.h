// The Qt side of a Window: a main window whose central widget is the content
// area. It tells its Window when it is asked to close.
#pragma once

#include <QMainWindow>
#include <QPointer>

class QKeyEvent;
class QCloseEvent;

namespace fw {

class Window;

class WindowPeer : public QMainWindow {
public:
    explicit WindowPeer(Window& window);

    QWidget* Content() const { return content_; }
    void FocusNext() { focusNextChild(); }
    void FocusPrevious() { focusPreviousChild(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Window& window_;
    QWidget* content_; // owned by this window as its central widget
};

} // namespace fw
