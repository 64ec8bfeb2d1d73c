#include "services/core_dumps.h"

#include "runtime/sanitizer_build.h"

#include <sys/prctl.h>
#include <sys/resource.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace fw {
namespace {

void ReportRefusal(const char* what)
{
    std::fprintf(stderr, "%s: cannot %s: %s\n", program_invocation_short_name, what, std::strerror(errno));
}

} // namespace

void RefuseCoreDumps()
{
    const rlimit noCore { 0, 0 };
    if (setrlimit(RLIMIT_CORE, &noCore) != 0)
        ReportRefusal("set the core-file limit to 0");
    // LeakSanitizer inspects the process's threads through ptrace, which the
    // kernel refuses for a process that is not dumpable: sanitizer builds
    // stay traceable, with no core files all the same.
    if (!kSanitizerBuild && prctl(PR_SET_DUMPABLE, 0, 0, 0, 0) != 0)
        ReportRefusal("mark the process not dumpable");
}

} // namespace fw
