#include "services/write_all.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>

namespace fw {
namespace {

// Blocks SIGPIPE in this thread for its life.
class SigpipeBlocked {
public:
    SigpipeBlocked()
    {
        sigemptyset(&pipe_);
        sigaddset(&pipe_, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipe_, &previous_);
    }
    ~SigpipeBlocked()
    {
        // Where SIGPIPE was blocked already, a pending one may be someone
        // else's: it stays, merged with ours.
        if (raised_ && !sigismember(&previous_, SIGPIPE)) {
            const timespec now {};
            while (sigtimedwait(&pipe_, nullptr, &now) < 0 && errno == EINTR) { }
        }
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }
    SigpipeBlocked(const SigpipeBlocked&) = delete;
    SigpipeBlocked& operator=(const SigpipeBlocked&) = delete;

    void NoteRaised() { raised_ = true; }

private:
    sigset_t pipe_;
    sigset_t previous_;
    bool raised_ = false;
};

// Writes until done or until a write fails; tells `onBrokenPipe` when the
// reader went away.
template <class OnBrokenPipe> void WriteAllBytes(int fd, std::string_view bytes, OnBrokenPipe onBrokenPipe)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0 && errno == EPIPE)
            onBrokenPipe();
        if (written <= 0)
            return;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

} // namespace

bool CanRaiseSigpipe(int fd)
{
    struct stat status { };
    return ::fstat(fd, &status) != 0 || S_ISFIFO(status.st_mode) || S_ISSOCK(status.st_mode);
}

void WriteAll(int fd, std::string_view bytes, Sigpipe sigpipe)
{
    if (sigpipe == Sigpipe::CannotBeRaised) {
        WriteAllBytes(fd, bytes, [] {});
        return;
    }
    SigpipeBlocked blocked;
    WriteAllBytes(fd, bytes, [&blocked] { blocked.NoteRaised(); });
}

} // namespace fw
