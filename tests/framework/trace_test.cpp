#include "runtime/trace.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fw {
namespace {

TEST(TraceTest, BuildsADetailOnlyWhileRecording)
{
    int built = 0;
    const auto detail = [&built] {
        ++built;
        return std::string("7 9");
    };

    TraceCall("Lazy", detail);
    EXPECT_EQ(built, 0);

    TraceRecorder trace;
    TraceCall("Lazy", detail);
    EXPECT_EQ(built, 1);
    EXPECT_EQ(trace.Entries(), std::vector<std::string> { "Lazy 7 9" });
}

} // namespace
} // namespace fw
