#include "services/system.h"

#include "runtime/class_table.h"
#include "runtime/method_row.h"
#include "runtime/trace.h"
#include "services/debug_log_rules.h"
#include "services/debug_log_testing.h"
#include "services/write_all.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <unistd.h>

namespace fw {
namespace {

// Every line the program logs reveals one pick of a password, and a desktop
// session keeps an application's standard error in its journal. So the log
// is off unless the environment switches it on by name; decided once, as Qt
// reads its rules once. Only tests change it later.
bool& DebugLogOn()
{
    static bool on = [] {
        const char* rules = std::getenv("QT_LOGGING_RULES");
        return DebugLogSwitchedOn(rules ? rules : "");
    }();
    return on;
}

// Standard error's kind is looked up once, with the log's first line: the
// process puts no other file in its place once the program runs. To a
// terminal, a file or /dev/null a line costs one system call, not three.
Sigpipe StandardErrorSigpipe()
{
    static const Sigpipe sigpipe = CanRaiseSigpipe(STDERR_FILENO) ? Sigpipe::HeldBack : Sigpipe::CannotBeRaised;
    return sigpipe;
}

// Writes `line` and a line end in one piece. A line that fits is joined to
// its end in a buffer on the stack (a plain write costs the kernel less than
// a gathered one); a longer one is copied to the heap. A line that cannot be
// written is dropped; logging never fails the caller.
void WriteLine(int fd, std::string_view line)
{
    char buffer[256];
    if (line.size() < sizeof buffer) {
        std::memcpy(buffer, line.data(), line.size());
        buffer[line.size()] = '\n';
        WriteAll(fd, std::string_view(buffer, line.size() + 1), StandardErrorSigpipe());
        return;
    }
    WriteAll(fd, std::string(line) + '\n', StandardErrorSigpipe());
}

Ref<SystemClass>& SystemGlobal()
{
    static Ref<SystemClass> system;
    return system;
}

} // namespace

SystemClass::SystemClass() = default;

void SystemClass::DebugLog(const String& line)
{
    TraceCall("DebugLog", line.Bytes());
    if (!DebugLogOn())
        return;
    // Straight to the descriptor rather than through Qt's message handler,
    // which would add its own prefix and might send the line elsewhere.
    WriteLine(STDERR_FILENO, line.Bytes());
}

const ClassTable* SystemClass::__Lookup()
{
    static const ClassTable* table = [] {
        // Object's entries, then the system object's own.
        ClassTable* t = NewClass<SystemClass>(ObjectClass(), "_SystemClass");
        const MethodRow rows[] = { Method("DebugLog", &SystemClass::DebugLog) };
        AddFrameworkMethods(*t, rows);
        return t;
    }();
    return table;
}

Ref<SystemClass> System()
{
    if (!SystemGlobal())
        InitializeSystemGlobal();
    return SystemGlobal();
}

void InitializeSystemGlobal()
{
    if (!SystemGlobal())
        SystemGlobal() = MakeRef<SystemClass>();
}

void FinalizeSystemGlobal() { SystemGlobal().reset(); }

namespace testing {

ScopedDebugLogRules::ScopedDebugLogRules(std::string_view rules)
    : previous_(DebugLogOn())
{
    DebugLogOn() = DebugLogSwitchedOn(rules);
}

ScopedDebugLogRules::~ScopedDebugLogRules() { DebugLogOn() = previous_; }

} // namespace testing

} // namespace fw
