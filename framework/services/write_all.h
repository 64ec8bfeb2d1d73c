// Writing to a descriptor that may have no reader.
#pragma once

#include <string_view>

namespace fw {

// Whether a write to `fd` can raise SIGPIPE: it is a pipe or a socket, or
// cannot be looked at.
bool CanRaiseSigpipe(int fd);

// What WriteAll does about SIGPIPE.
enum class Sigpipe {
    HeldBack, // blocked for the write, and one the write raised taken
    CannotBeRaised // the caller knows that `fd` is no pipe or socket
};

// Writes all of `bytes` to `fd`: one write(2) unless it is interrupted or
// cut short. What cannot be written is dropped; the caller never fails. A
// pipe whose reader went away (standard error into `| head -1`) raises
// SIGPIPE, which would end the process: unless the caller knows it cannot be
// raised, it is blocked in this thread for the write, and one the write
// raised is taken before the mask is put back. That costs two system calls,
// which is why a caller that writes often may look once and say so. The
// process's disposition of SIGPIPE stays as it was, for the libraries that
// rely on it.
void WriteAll(int fd, std::string_view bytes, Sigpipe sigpipe = Sigpipe::HeldBack);

} // namespace fw
