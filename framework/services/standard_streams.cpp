#include "services/standard_streams.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace fw {

void OpenClosedStandardStreams()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        // open(2) gives the lowest free number, which is `fd` now that those
        // below it are open. If /dev/null cannot be opened there is nowhere
        // to say so, and nothing better to open.
        ::open("/dev/null", O_RDWR);
    }
}

} // namespace fw
