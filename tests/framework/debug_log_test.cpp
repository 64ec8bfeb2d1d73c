#include "row_name.h"
#include "services/system.h"

#include "runtime/class_table.h"
#include "runtime/thunk.h"
#include "runtime/trace.h"
#include "services/debug_log_testing.h"

#include "../support/stderr_capture.h"

#include <QLoggingCategory>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace fw {
namespace {

using fw::testing::ScopedDebugLogRules;
using testsupport::StderrCapture;

struct DebugLogCase {
    const char* name;
    const char* rules; // as QT_LOGGING_RULES holds them
    const char* line;
    const char* expectedStderr;
    friend void PrintTo(const DebugLogCase& row, std::ostream* os) { *os << row.name; }
};

class DebugLogTest : public StderrCapture, public ::testing::WithParamInterface<DebugLogCase> { };

TEST_P(DebugLogTest, WritesTheLineOnlyWhenTheCategoryIsOn)
{
    const DebugLogCase& c = GetParam();
    const ScopedDebugLogRules rules(c.rules);
    // Made before the trace starts, as the class registration makes it in a run.
    const Ref<SystemClass> system = System();
    TraceRecorder trace;

    system->DebugLog(c.line);

    EXPECT_EQ(Captured(), c.expectedStderr);
    // Logged the same either way, so that a test can count the lines.
    EXPECT_EQ(trace.Entries(), (std::vector<std::string> { "DebugLog " + std::string(c.line) }));
}

// Only the rule that names the category and its debug level switches the
// log on; rules for more than it can switch it off again, never on.
INSTANTIATE_TEST_SUITE_P(Rules, DebugLogTest,
    ::testing::Values(DebugLogCase { "offByDefault", "", "12picked", "" },
        DebugLogCase { "switchedOn", "framework.debuglog.debug=true", "12picked", "12picked\n" },
        DebugLogCase { "frameworkLevelWildcard", "framework.*.debug=true", "0picked", "" },
        DebugLogCase { "everyDebugMessage", "*.debug=true", "12picked", "" },
        DebugLogCase { "everythingOfTheFramework", "framework.*=true", "12picked", "" },
        DebugLogCase { "categoryWithoutLevel", "framework.debuglog=true", "12picked", "" },
        DebugLogCase { "everything", "*=true", "12picked", "" },
        DebugLogCase { "nameEndingWildcard", "*debuglog.debug=true", "12picked", "" },
        DebugLogCase { "otherCase", "Framework.DebugLog.debug=true", "12picked", "" },
        DebugLogCase { "escapedName", "framework%2Edebuglog.debug=true", "12picked", "" },
        DebugLogCase { "valueNotTrue", "framework.debuglog.debug=1", "12picked", "" },
        DebugLogCase { "infoLevelOnly", "framework.debuglog.info=true", "12picked", "" },
        DebugLogCase { "otherCategoryOn", "framework.other.debug=true", "12picked", "" },
        DebugLogCase { "spacesAround", "  framework.debuglog.debug = true ", "12picked", "12picked\n" },
        DebugLogCase { "amongOthersBySemicolons", "qt.*=false;framework.debuglog.debug=true;*.info=true", "12picked",
            "12picked\n" },
        DebugLogCase {
            "amongOthersByLineEnds", "*.debug=false\r\nframework.debuglog.debug=true\r\n", "12picked", "12picked\n" },
        DebugLogCase { "laterWildcardOn", "framework.debuglog.debug=true;*.debug=true", "12picked", "12picked\n" },
        DebugLogCase {
            "laterOtherLevelOff", "framework.debuglog.debug=true;*.warning=false", "12picked", "12picked\n" },
        DebugLogCase { "rulesSection", "[Rules]\nframework.debuglog.debug=true", "12picked", "12picked\n" },
        DebugLogCase { "otherSection", "[Other]\nframework.debuglog.debug=true", "12picked", "" },
        DebugLogCase {
            "switchedOnThenOff", "framework.debuglog.debug=true\nframework.debuglog.debug=false", "12picked", "" },
        DebugLogCase { "thenOffForEveryDebugMessage", "framework.debuglog.debug=true;*.debug=false", "12picked", "" },
        DebugLogCase { "thenOffForTheFramework", "framework.debuglog.debug=true;framework.*=false", "12picked", "" },
        DebugLogCase {
            "thenOffForTheCategory", "framework.debuglog.debug=true;framework.debuglog=false", "12picked", "" },
        DebugLogCase { "thenOffForNamesEnding", "framework.debuglog.debug=true;*log=false", "12picked", "" },
        DebugLogCase { "thenOffForNamesHolding", "framework.debuglog.debug=true;*debug*=false", "12picked", "" },
        DebugLogCase { "thenOffEscaped", "framework.debuglog.debug=true;%2A.debug=false", "12picked", "" },
        DebugLogCase {
            "offThenOn", "framework.debuglog.debug=false;framework.debuglog.debug=true", "12picked", "12picked\n" }),
    RowName);
// Made before the trace starts, as the class registration makes it in a run.
const Ref<SystemClass> system = System();

// The rules a program hands Qt do not reach the log either: only the
// environment's rule does.
TEST_F(StderrCapture, QtFilterRulesLeaveItOff)
{
    QLoggingCategory::setFilterRules(QStringLiteral("framework.debuglog.debug=true\n*.debug=true"));

    System()->DebugLog("12picked");

    EXPECT_EQ(Captured(), "");
}

TEST_F(StderrCapture, LinesFollowEachOtherWithNothingBetween)
{
    const ScopedDebugLogRules rules("framework.debuglog.debug=true");
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
    const ScopedDebugLogRules rules("framework.debuglog.debug=true");
    std::string line;
    for (std::size_t i = 0; i < GetParam(); ++i)
        line += static_cast<char>('a' + i % 26);

    System()->DebugLog(String(line));

    EXPECT_EQ(Captured(), line + "\n");
}

INSTANTIATE_TEST_SUITE_P(Lengths, DebugLogLengthTest, ::testing::Values(0, 1, 255, 256, 5000), RowName);

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
