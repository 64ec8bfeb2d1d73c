// Standard input, output and error that are there, whatever the process was
// started with.
#pragma once

namespace fw {

// Opens /dev/null on each of descriptors 0, 1 and 2 that is closed. Called
// first thing at start: a launcher may start the program with one of them
// closed (`2>&-`), and the next descriptor the process opens (the X
// connection) would then take its number, so that whatever is written to
// standard error goes into the display protocol. Does nothing to a
// descriptor that is open.
void OpenClosedStandardStreams();

} // namespace fw
