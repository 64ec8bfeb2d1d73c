// The Qt side of a Window, everything the user sees of it: a main window
// whose central widget is the content area, with the menu bar above it. It
// shows the Window's properties when the Window asks it to apply them, and
// hands the user's close requests and unclaimed Return and Escape keys back
// to the Window.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <cstdint>

class QKeyEvent;
class QCloseEvent;

namespace fw {

class Window;

class WindowPeer : public QMainWindow {
public:
    // Applies nothing yet: `window`'s values are not set while it makes its
    // peer.
    explicit WindowPeer(Window& window);

    QWidget* Content() const { return content_; }
    void FocusNext() { focusNextChild(); }
    void FocusPrevious() { focusPreviousChild(); }

    // Each shows the Window's current values of what it names.
    void ApplyTitle();
    // Width, Height, their limits, and Resizeable.
    void ApplyGeometry();
    // The title bar's buttons.
    void ApplyWindowFlags();
    void ApplyBackground();
    // The window's own menu bar, or the application's when it has none.
    void PresentMenuBar();
    // Orders keyboard focus by the controls' TabIndex.
    void ApplyTabOrder();

    // Schedules, or does at once, a repaint of part of the content area.
    void InvalidateContent(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);
    void RepaintContent(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Window& window_;
    QWidget* content_; // owned by this window as its central widget
};

} // namespace fw
