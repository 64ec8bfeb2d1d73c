// Holding back what is written to descriptor 2 for a while.
#pragma once

#include <string>

namespace fw {

// While it lives, descriptor 2 is an anonymous file in memory, so that what
// libraries write straight to standard error (Xlib prints the X server's
// reason for refusing a connection, say) is kept rather than shown. A file
// rather than a pipe: a pipe that nobody reads fills up and blocks the
// writer, which is this very thread. Release() puts standard error back and
// hands over what was written meanwhile; if it was never called, the
// destructor puts standard error back and writes it there, so nothing is
// lost. When no such file can be made, nothing is held.
class HeldStandardError {
public:
    HeldStandardError();
    ~HeldStandardError();
    HeldStandardError(const HeldStandardError&) = delete;
    HeldStandardError& operator=(const HeldStandardError&) = delete;

    std::string Release();

private:
    int original_ = -1; // standard error as it was, while held
    int file_ = -1; // what descriptor 2 is meanwhile
};

} // namespace fw
