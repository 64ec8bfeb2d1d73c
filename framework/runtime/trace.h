// A record of the run-time operations the framework performs, for tests that
// check the order of calls. Off unless a TraceRecorder is alive; a call then
// costs one test of a flag.
#pragma once

#include <concepts>
#include <string>
#include <string_view>
#include <utility>
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

// For a detail that takes work to build (numbers to format, strings to join):
// `makeDetail` runs only while a TraceRecorder is alive.
template <std::invocable MakeDetail> void TraceCall(std::string_view operation, MakeDetail&& makeDetail)
{
    if (detail::traceEnabled)
        detail::AppendTrace(operation, std::forward<MakeDetail>(makeDetail)());
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

    // Makes the occurrence-th next call of `operation` (1: the very next)
    // raise a RuntimeException, as a failing platform operation would. For
    // tests of failure paths.
    void FailOn(std::string operation, int occurrence = 1);
};

} // namespace fw
