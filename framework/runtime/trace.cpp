#include "runtime/trace.h"

#include "runtime/exception.h"

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

std::string& ArmedFailure()
{
    static std::string operation;
    return operation;
}

// Calls of the armed operation still to pass before the one that fails.
int& CallsBeforeFailure()
{
    static int calls = 0;
    return calls;
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
    if (ArmedFailure().empty() || ArmedFailure() != operation)
        return;
    if (CallsBeforeFailure() > 0) {
        --CallsBeforeFailure();
        return;
    }
    ArmedFailure().clear();
    RaiseRuntimeException(String("injected failure in " + std::string(operation)));
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
    detail::ArmedFailure().clear();
    detail::TraceEntries().clear();
}

const std::vector<std::string>& TraceRecorder::Entries() const { return detail::TraceEntries(); }

void TraceRecorder::Clear() { detail::TraceEntries().clear(); }

void TraceRecorder::FailOn(std::string operation, int occurrence)
{
    assert(occurrence >= 1);
    detail::ArmedFailure() = std::move(operation);
    detail::CallsBeforeFailure() = occurrence - 1;
}

} // namespace fw
