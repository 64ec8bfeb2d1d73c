#include "services/wayland_compositor.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace fw {
namespace {

// The socket's path, or an empty one where a client would find none.
std::string WaylandSocketPath()
{
    const char* display = std::getenv("WAYLAND_DISPLAY");
    if (!display || !*display)
        display = "wayland-0";
    if (display[0] == '/')
        return display;
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    if (!runtimeDir || !*runtimeDir)
        return {};
    return std::string(runtimeDir) + '/' + display;
}

} // namespace

bool WaylandCompositorRunning()
{
    const std::string path = WaylandSocketPath();
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return connected;
}

} // namespace fw
