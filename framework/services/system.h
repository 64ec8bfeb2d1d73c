// The system object and its debug log.
#pragma once

#include "runtime/object.h"
#include "text/string.h"

namespace fw {

class ClassTable;

class SystemClass : public Object {
public:
    SystemClass();

    // Writes `line` and a line end to standard error, in one piece and with
    // nothing before it, when the debug log is switched on; writes nothing
    // otherwise. It is off unless QT_LOGGING_RULES holds the exact rule
    // framework.debuglog.debug=true (services/debug_log_rules.h), read at the
    // first line.
    void DebugLog(const String& line);

    static const ClassTable* __Lookup();
};

// The framework's shared system object; made on first use when the run
// time's initialiser has not made it yet.
Ref<SystemClass> System();

// The run time's initialiser and finaliser of the shared system object.
void InitializeSystemGlobal();
void FinalizeSystemGlobal();

} // namespace fw
