// Whether a Wayland compositor is there to connect to.
#pragma once

namespace fw {

// True when a compositor accepts a connection on the socket a Wayland client
// of this environment would use: WAYLAND_DISPLAY, taken as a path when it is
// absolute and as a name in XDG_RUNTIME_DIR otherwise, "wayland-0" when it is
// unset or empty. The connection is closed again at once.
bool WaylandCompositorRunning();

} // namespace fw
