// A window of fixed size on Wayland. There the compositor, not the window,
// decides when a window is maximised or full screen (its own key bindings, the
// maximise button that Qt's title bar draws on every window), and the next
// frame after a maximised configure must have exactly the configured size, or
// the compositor raises a protocol error and the connection, and with it the
// program, ends. Qt's Wayland plugin clamps a configured size to the window's
// minimum and maximum before it commits, so there the window has no maximum:
// it takes the size given for a maximised or full-screen state, with its
// content at its fixed size in the top left corner, and in any other state it
// goes back to its fixed size whenever something resizes it. Elsewhere (X11)
// the window is simply held at its size and the window manager offers no
// maximise.
#pragma once

class QMainWindow;

namespace fw {

// Holds `window` at the size its layout asks for (its menu bar and a content
// widget of fixed size), in the way the platform allows.
void KeepFixedSize(QMainWindow& window);

} // namespace fw
