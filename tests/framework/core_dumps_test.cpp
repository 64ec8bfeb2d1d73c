// The run time's start keeps the process out of core files, seen from the
// kernel's side: the core-file limit and the dumpable flag.
#include "runtime/sanitizer_build.h"
#include "ui/runtime_host.h"

#include <gtest/gtest.h>

#include <sys/prctl.h>
#include <sys/resource.h>

namespace fw {
namespace {

rlimit CoreLimit()
{
    rlimit limit {};
    EXPECT_EQ(getrlimit(RLIMIT_CORE, &limit), 0);
    return limit;
}

TEST(CoreDumpsTest, TheRunTimeStartRefusesThem)
{
    // Start from what `ulimit -c unlimited` gives, as far as the hard limit
    // allows, and a dumpable process.
    rlimit allowed = CoreLimit();
    allowed.rlim_cur = allowed.rlim_max;
    ASSERT_EQ(setrlimit(RLIMIT_CORE, &allowed), 0);
    ASSERT_EQ(prctl(PR_SET_DUMPABLE, 1, 0, 0, 0), 0);

    RuntimeInit();

    const rlimit limit = CoreLimit();
    EXPECT_EQ(limit.rlim_cur, 0U);
    EXPECT_EQ(limit.rlim_max, 0U);
    // Sanitizer builds stay dumpable: LeakSanitizer needs to trace the process.
    EXPECT_EQ(prctl(PR_GET_DUMPABLE, 0, 0, 0, 0), kSanitizerBuild ? 1 : 0);
    RuntimeExit();
}

} // namespace
} // namespace fw
