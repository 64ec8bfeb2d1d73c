#include "services/debug_log_rules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

namespace fw {
namespace {

constexpr std::string_view kCategory = "framework.debuglog";
// The one rule that switches the log on.
constexpr std::string_view kSwitchKey = "framework.debuglog.debug";
constexpr std::string_view kSwitchValue = "true";

constexpr std::string_view kSpace = " \t\r\n\v\f";

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

struct Rule {
    std::string_view key;
    std::string_view value; // "true" or "false"
};

// A line `key=value` with the value true or false; anything else is no
// rule.
std::optional<Rule> ParseRule(std::string_view line)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const Rule rule { Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1)) };
    if (rule.value != "true" && rule.value != "false")
        return std::nullopt;
    return rule;
}

// Whether Qt would apply a rule with this key to the category's debug
// messages: an optional level after the last dot, then the category name,
// exact or with '*' at its start, its end or both.
bool CoversDebugMessages(std::string_view key)
{
    // Qt decodes %-escapes in the key: such a key may name anything.
    if (key.find_first_of("%\\") != std::string_view::npos)
        return true;
    std::string_view pattern = key;
    constexpr std::array<std::string_view, 4> kLevels { ".debug", ".info", ".warning", ".critical" };
    for (const std::string_view level : kLevels) {
        if (pattern.ends_with(level)) {
            if (level != ".debug")
                return false;
            pattern.remove_suffix(level.size());
            break;
        }
    }
    const bool anyEnd = pattern.ends_with('*');
    if (anyEnd)
        pattern.remove_suffix(1);
    const bool anyStart = pattern.starts_with('*');
    if (anyStart)
        pattern.remove_prefix(1);
    if (pattern.find('*') != std::string_view::npos)
        return false; // Qt takes '*' only at the ends, and skips the rule
    if (anyStart && anyEnd)
        return kCategory.find(pattern) != std::string_view::npos;
    if (anyEnd)
        return kCategory.starts_with(pattern);
    if (anyStart)
        return kCategory.ends_with(pattern);
    return pattern == kCategory;
}

} // namespace

bool DebugLogSwitchedOn(std::string_view rules)
{
    bool on = false;
    bool inRulesSection = true; // the variable's rules need no section header
    while (!rules.empty()) {
        const std::size_t end = std::min(rules.find_first_of(";\n"), rules.size());
        const std::string_view line = Trimmed(rules.substr(0, end));
        rules.remove_prefix(std::min(end + 1, rules.size()));

        if (line.starts_with('[') && line.ends_with(']')) {
            inRulesSection = EqualIgnoringCase(Trimmed(line.substr(1, line.size() - 2)), "rules");
            continue;
        }
        const std::optional<Rule> rule = ParseRule(line);
        if (!inRulesSection || !rule)
            continue;
        if (rule->key == kSwitchKey && rule->value == kSwitchValue)
            on = true;
        else if (rule->value == "false" && CoversDebugMessages(rule->key))
            on = false;
    }
    return on;
}

} // namespace fw
