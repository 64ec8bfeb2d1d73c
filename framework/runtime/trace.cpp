#include "runtime/trace.h"

#include <cassert>

namespace fw {
namespace detail {

bool traceEnabled = false;

namespace {
std::vector<std::string>& TraceEntries()
{
    static std::vector<std::string> entries;
    return entries;
}
} // namespace

void AppendTrace(std::string_view operation, std::string_view detail)
{
    std::string entry(operation);
    if (!detail.empty()) {
        entry += ' ';
        entry += detail;
    }
    TraceEntries().push_back(std::move(entry));
}

} // namespace detail

TraceRecorder::TraceRecorder()
{
    assert(!detail::traceEnabled && "one TraceRecorder at a time");
    detail::TraceEntries().clear();
    detail::traceEnabled = true;
}

TraceRecorder::~TraceRecorder()
{
    detail::traceEnabled = false;
    detail::TraceEntries().clear();
}

const std::vector<std::string>& TraceRecorder::Entries() const { return detail::TraceEntries(); }

void TraceRecorder::Clear() { detail::TraceEntries().clear(); }

} // namespace fw
