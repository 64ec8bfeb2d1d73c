#include "row_name.h"
#include "services/system.h"

#include "runtime/class_table.h"
#include "runtime/thunk.h"
#include "runtime/trace.h"

#include "../support/stderr_capture.h"

#include <QLoggingCategory>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace fw {
namespace {

using testsupport::StderrCapture;

struct DebugLogCase {
    const char* name;
    const char* rules; // Qt logging rules, one a line
    const char* line;
    const char* expectedStderr;
    friend void PrintTo(const DebugLogCase& row, std::ostream* os) { *os << row.name; }
};

// Failures name the row.

class DebugLogTest : public StderrCapture, public ::testing::WithParamInterface<DebugLogCase> { };

TEST_P(DebugLogTest, WritesTheLineOnlyWhenTheCategoryIsOn)
{
    const DebugLogCase& c = GetParam();
    QLoggingCategory::setFilterRules(QString::fromUtf8(c.rules));
    // Made before the trace starts, as the class registration makes it in a run.
    const Ref<SystemClass> system = System();
    TraceRecorder trace;

    system->DebugLog(c.line);

    EXPECT_EQ(Captured(), c.expectedStderr);
    // Logged the same either way, so that a test can count the lines.
    EXPECT_EQ(trace.Entries(), (std::vector<std::string> { "DebugLog " + std::string(c.line) }));
}

INSTANTIATE_TEST_SUITE_P(Rules, DebugLogTest,
    ::testing::Values(DebugLogCase { "offByDefault", "", "12picked", "" },
        DebugLogCase { "switchedOn", "framework.debuglog.debug=true", "12picked", "12picked\n" },
        DebugLogCase { "switchedOnByWildcard", "framework.*.debug=true", "0picked", "0picked\n" },
        DebugLogCase {
            "switchedOnThenOff", "framework.debuglog.debug=true\nframework.debuglog.debug=false", "12picked", "" },
        DebugLogCase { "infoLevelOnly", "framework.debuglog.info=true", "12picked", "" },
        DebugLogCase { "otherCategoryOn", "framework.other.debug=true", "12picked", "" }),
    RowName);

TEST_F(StderrCapture, LinesFollowEachOtherWithNothingBetween)
{
    QLoggingCategory::setFilterRules(QStringLiteral("framework.debuglog.debug=true"));
    const Ref<SystemClass> system = System();
    const MethodEntry* debugLog = system->Class()->methods->Find("DebugLog");
    ASSERT_NE(debugLog, nullptr);

    CallEntry(*debugLog, *system, String("3picked"));
    CallEntry(*debugLog, *system, String("79picked"));

    EXPECT_EQ(Captured(), "3picked\n79picked\n");
}

// Short lines and long ones take different ways to their one write; each
// comes out whole with its line end.
class DebugLogLengthTest : public StderrCapture, public ::testing::WithParamInterface<std::size_t> { };

TEST_P(DebugLogLengthTest, WritesTheWholeLineAndItsEnd)
{
    QLoggingCategory::setFilterRules(QStringLiteral("framework.debuglog.debug=true"));
    std::string line;
    for (std::size_t i = 0; i < GetParam(); ++i)
        line += static_cast<char>('a' + i % 26);

    System()->DebugLog(String(line));

    EXPECT_EQ(Captured(), line + "\n");
}

INSTANTIATE_TEST_SUITE_P(Lengths, DebugLogLengthTest, ::testing::Values(0, 1, 255, 256, 5000));

TEST(SystemTest, SharedObjectLivesFromInitializerToFinalizer)
{
    InitializeSystemGlobal();
    const Ref<SystemClass> first = System();
    EXPECT_EQ(first->Class()->name, "_SystemClass");
    EXPECT_EQ(System(), first);
    const int heldWhileShared = first->RefCount();

    FinalizeSystemGlobal();
    EXPECT_EQ(first->RefCount(), heldWhileShared - 1);
    // Asked for again, it is made anew.
    const Ref<SystemClass> second = System();
    EXPECT_NE(second, first);
    EXPECT_EQ(System(), second);
}

} // namespace
} // namespace fw
