// A record of the run-time operations the framework performs, for tests that
// check the order of calls. Off unless a TraceRecorder is alive; a call then
// costs one test of a flag.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fw {

namespace detail {
extern bool traceEnabled;
void AppendTrace(std::string_view operation, std::string_view detail);
} // namespace detail

inline void TraceCall(std::string_view operation, std::string_view detail = {})
{
    if (detail::traceEnabled)
        detail::AppendTrace(operation, detail);
}

// Collects the trace while it lives. One at a time.
class TraceRecorder {
public:
    TraceRecorder();
    ~TraceRecorder();
    TraceRecorder(const TraceRecorder&) = delete;
    TraceRecorder& operator=(const TraceRecorder&) = delete;

    // Each entry is the operation's name, followed by a space and its detail
    // when it has one.
    const std::vector<std::string>& Entries() const;
    void Clear();

    // Makes the next call of `operation` raise a RuntimeException, as a
    // failing platform operation would. For tests of failure paths.
    void FailOn(std::string operation);
};

} // namespace fw
