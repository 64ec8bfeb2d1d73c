// A process started with some of descriptors 0, 1 and 2 closed finds them
// open on /dev/null after the start, and the open ones as they were. Each
// case runs in a child process, whose descriptors it may close.
#include "row_name.h"
#include "services/standard_streams.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fw {
namespace {

struct ClosedAtStart {
    std::string name;
    std::vector<int> closed;
    friend void PrintTo(const ClosedAtStart& row, std::ostream* os) { *os << row.name; }
};

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Bits of the child's exit status: which descriptor came out wrong.
constexpr int kCouldNotSetUp = 1 << 3;

int RunInChild(const ClosedAtStart& row, const struct stat& devNull)
{
    struct stat before[3];
    for (int fd = 0; fd < 3; ++fd) {
        if (fstat(fd, &before[fd]) != 0)
            return kCouldNotSetUp;
    }
    for (int fd : row.closed)
        close(fd);
    OpenClosedStandardStreams();
    int wrong = 0;
    for (int fd = 0; fd < 3; ++fd) {
        const bool closedAtStart = std::find(row.closed.begin(), row.closed.end(), fd) != row.closed.end();
        struct stat now { };
        if (fstat(fd, &now) != 0 || !SameFile(now, closedAtStart ? devNull : before[fd]))
            wrong |= 1 << fd;
    }
    return wrong;
}

class StandardStreamsTest : public ::testing::TestWithParam<ClosedAtStart> { };

TEST_P(StandardStreamsTest, ClosedOnesOpenOnDevNull)
{
    struct stat devNull { };
    ASSERT_EQ(stat("/dev/null", &devNull), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        _exit(RunInChild(GetParam(), devNull));
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    const int wrong = WEXITSTATUS(status);
    ASSERT_EQ(wrong & kCouldNotSetUp, 0);
    for (int fd = 0; fd < 3; ++fd)
        EXPECT_EQ(wrong & (1 << fd), 0) << "descriptor " << fd << " is not what it should be";
}

INSTANTIATE_TEST_SUITE_P(Cases, StandardStreamsTest,
    ::testing::Values(ClosedAtStart { "NoneClosed", {} }, ClosedAtStart { "StandardInput", { 0 } },
        ClosedAtStart { "StandardOutput", { 1 } }, ClosedAtStart { "StandardError", { 2 } },
        ClosedAtStart { "OutputAndError", { 1, 2 } }, ClosedAtStart { "AllThree", { 0, 1, 2 } }),
    RowName);

} // namespace
} // namespace fw
