// A test hook for the debug log: while it lives, the log follows `rules` in
// place of QT_LOGGING_RULES, so that a test can switch it on and count the
// lines, or check what a set of rules does.
#pragma once

#include <string_view>

namespace fw::testing {

class ScopedDebugLogRules {
public:
    explicit ScopedDebugLogRules(std::string_view rules);
    ~ScopedDebugLogRules();
    ScopedDebugLogRules(const ScopedDebugLogRules&) = delete;
    ScopedDebugLogRules& operator=(const ScopedDebugLogRules&) = delete;

private:
    bool previous_;
};

} // namespace fw::testing
