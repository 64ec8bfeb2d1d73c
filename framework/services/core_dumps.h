// Keeping the process's memory, and the passwords in it, out of core files.
#pragma once

namespace fw {

// Sets the process's core-file limit to 0 and marks it not dumpable, so that
// a crash writes no core file and no core handler receives one. Reports on
// standard error if the system refuses; the process goes on.
void RefuseCoreDumps();

} // namespace fw
