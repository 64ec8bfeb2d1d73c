// Standard error caught in a pipe, for tests that check what the program
// writes there (debug-log lines, reports of unhandled exceptions).
#pragma once

#include <QLoggingCategory>
#include <QString>
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <unistd.h>

namespace testsupport {

// Logging settings in the environment can make Qt write messages of its own
// to standard error, among what a test checks there.
inline bool EnvironmentSetsLoggingRules()
{
    return std::getenv("QT_LOGGING_RULES") != nullptr || std::getenv("QT_LOGGING_CONF") != nullptr;
}

// Sends standard error into a pipe from construction until Captured() (or
// destruction). The pipe holds 64 KiB: enough for what one test writes.
class StderrRedirect {
public:
    StderrRedirect()
    {
        if (::pipe(pipe_) != 0)
            return;
        savedStderr_ = ::dup(STDERR_FILENO);
        redirected_ = savedStderr_ >= 0 && ::dup2(pipe_[1], STDERR_FILENO) >= 0;
    }
    ~StderrRedirect()
    {
        Restore();
        CloseEnd(pipe_[0]);
    }
    StderrRedirect(const StderrRedirect&) = delete;
    StderrRedirect& operator=(const StderrRedirect&) = delete;

    bool Redirected() const noexcept { return redirected_; }

    // Everything written to standard error since construction; standard
    // error is the real one again afterwards.
    std::string Captured()
    {
        Restore();
        std::string bytes;
        char buffer[4096];
        ssize_t n = 0;
        while (pipe_[0] >= 0 && (n = ::read(pipe_[0], buffer, sizeof buffer)) > 0)
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
    void Restore()
    {
        if (savedStderr_ >= 0)
            ::dup2(savedStderr_, STDERR_FILENO);
        CloseEnd(savedStderr_);
        CloseEnd(pipe_[1]);
    }

    int pipe_[2] = { -1, -1 };
    int savedStderr_ = -1;
    bool redirected_ = false;
};

// A fixture that captures standard error from SetUp until Captured(); the
// logging rules a test sets are cleared afterwards.
class StderrCapture : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (EnvironmentSetsLoggingRules())
            GTEST_SKIP() << "the environment sets Qt logging rules";
        redirect_.emplace();
        ASSERT_TRUE(redirect_->Redirected());
    }

    void TearDown() override
    {
        redirect_.reset();
        QLoggingCategory::setFilterRules(QString());
    }

    std::string Captured() { return redirect_->Captured(); }

private:
    std::optional<StderrRedirect> redirect_;
};

} // namespace testsupport
