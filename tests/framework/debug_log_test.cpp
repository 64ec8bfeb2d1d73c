#include "services/system.h"

#include "runtime/class_table.h"
#include "runtime/thunk.h"
#include "runtime/trace.h"

#include <QLoggingCategory>
#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <string>
#include <unistd.h>

namespace fw {
namespace {

// Sends standard error into a pipe from SetUp until Captured(); the logging
// rules a test sets are cleared afterwards.
class StderrCapture : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Rules from the environment take precedence over the ones set here.
        if (std::getenv("QT_LOGGING_RULES") || std::getenv("QT_LOGGING_CONF"))
            GTEST_SKIP() << "the environment sets Qt logging rules";
        ASSERT_EQ(::pipe(pipe_), 0);
        savedStderr_ = ::dup(STDERR_FILENO);
        ASSERT_GE(savedStderr_, 0);
        ASSERT_GE(::dup2(pipe_[1], STDERR_FILENO), 0);
    }

    void TearDown() override
    {
        RestoreStderr();
        CloseEnd(pipe_[0]);
        QLoggingCategory::setFilterRules(QString());
    }

    // Everything written to standard error since SetUp.
    std::string Captured()
    {
        RestoreStderr();
        std::string bytes;
        char buffer[4096];
        ssize_t n = 0;
        while ((n = ::read(pipe_[0], buffer, sizeof buffer)) > 0)
            bytes.append(buffer, static_cast<std::size_t>(n));
        return bytes;
    }

private:
    static void CloseEnd(int& fd)
    {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }

    // Puts the real standard error back and closes the pipe's write end, so
    // that read() meets the end of the data.
    void RestoreStderr()
    {
        if (savedStderr_ >= 0)
            ::dup2(savedStderr_, STDERR_FILENO);
        CloseEnd(savedStderr_);
        CloseEnd(pipe_[1]);
    }

    int pipe_[2] = { -1, -1 };
    int savedStderr_ = -1;
};

struct DebugLogCase {
    const char* name;
    const char* rules; // Qt logging rules, one a line
    const char* line;
    const char* expectedStderr;
};

// Failures name the row.
void PrintTo(const DebugLogCase& c, std::ostream* os) { *os << c.name; }

class DebugLogTest : public StderrCapture, public ::testing::WithParamInterface<DebugLogCase> { };

TEST_P(DebugLogTest, WritesTheLineOnlyWhenTheCategoryIsOn)
{
    const DebugLogCase& c = GetParam();
    QLoggingCategory::setFilterRules(QString::fromUtf8(c.rules));
    TraceRecorder trace;

    System()->DebugLog(c.line);

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
    [](const auto& info) { return std::string(info.param.name); });

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
