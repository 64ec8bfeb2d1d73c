// Writing to a descriptor that may have no reader.
#pragma once

#include <string_view>

namespace fw {

// Writes all of `bytes` to `fd`: one write(2) unless it is interrupted or
// cut short. What cannot be written is dropped; the caller never fails. A
// pipe whose reader went away (standard error into `| head -1`) raises
// SIGPIPE, which would end the process: it is blocked in this thread for the
// write, and one the write raised is taken before the mask is put back. The
// process's disposition of SIGPIPE stays as it was, for the libraries that
// rely on it.
void WriteAll(int fd, std::string_view bytes);

} // namespace fw
