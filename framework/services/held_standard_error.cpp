#include "services/held_standard_error.h"
#include "services/write_all.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace fw {
namespace {

std::string ReadFromStart(int fd)
{
    std::string bytes;
    char buffer[4096];
    for (off_t offset = 0;;) {
        const ssize_t got = ::pread(fd, buffer, sizeof buffer, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return bytes;
        bytes.append(buffer, static_cast<std::size_t>(got));
        offset += got;
    }
}

} // namespace

HeldStandardError::HeldStandardError()
{
    original_ = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (original_ < 0)
        return; // no standard error to hold
    file_ = ::memfd_create("held-standard-error", MFD_CLOEXEC);
    if (file_ < 0 || ::dup2(file_, STDERR_FILENO) < 0) {
        if (file_ >= 0)
            ::close(file_);
        ::close(original_);
        original_ = file_ = -1;
    }
}

HeldStandardError::~HeldStandardError()
{
    if (file_ >= 0)
        WriteAll(STDERR_FILENO, Release());
}

std::string HeldStandardError::Release()
{
    if (file_ < 0)
        return {};
    ::dup2(original_, STDERR_FILENO);
    ::close(original_);
    std::string held = ReadFromStart(file_);
    ::close(file_);
    original_ = file_ = -1;
    return held;
}

} // namespace fw
