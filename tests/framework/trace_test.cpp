#include "runtime/trace.h"

#include "runtime/exception.h"

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

TEST(TraceTest, FailsOnTheArmedCallOfTheOperationOnly)
{
    // The raised exception's class is set up before the trace starts, as the
    // class registration sets it up in a run.
    RuntimeException::__Lookup();
    TraceRecorder trace;
    trace.FailOn("Step", 3);

    EXPECT_NO_THROW(TraceCall("Step", "1"));
    EXPECT_NO_THROW(TraceCall("Other"));
    EXPECT_NO_THROW(TraceCall("Step", "2"));
    EXPECT_THROW(TraceCall("Step", "3"), RaisedException);
    EXPECT_NO_THROW(TraceCall("Step", "4"));
    EXPECT_EQ(trace.Entries(), (std::vector<std::string> { "Step 1", "Other", "Step 2", "Step 3", "Step 4" }));
}

} // namespace
} // namespace fw
