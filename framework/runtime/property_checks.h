// The rules for the values of properties. A property registers its rule
// together with its setter, so that the mass setter checks every value of a
// record before it sets any; the setter keeps to the same rule for the values
// that code sets. A refused value raises a RuntimeException that names the
// object's class and the property, and the object stays unchanged.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace fw {

class Object;

// What is wrong with a value, or nothing for a value the property takes.
template <class T> using ValueRule = std::optional<std::string> (*)(T value);

// Raises "Class.Property: problem".
[[noreturn]] void RaisePropertyError(const Object& object, const char* property, const std::string& problem);

// Raises "Class.Property: problem" when `rule` refuses `value`.
template <class T> void EnforceRule(const Object& object, const char* property, T value, ValueRule<T> rule)
{
    if (std::optional<std::string> problem = rule(value))
        RaisePropertyError(object, property, *problem);
}

// One value of a property that holds one of a few choices, and what it
// means. A property's choices are one table of these, from which its rule
// takes both the values it accepts and the message that lists them.
struct ChoiceName {
    std::int32_t value;
    const char* name;
};

// What is wrong with `value` when it is none of `choices`: "5 is none of
// 0 unchecked, 1 checked".
std::optional<std::string> ChoiceProblem(std::int32_t value, std::span<const ChoiceName> choices);

// The rule of a property that holds one of `Choices`, a table with static
// storage: `ChoiceRule<kCheckedStates>` is a ValueRule<std::int32_t>.
template <const auto& Choices> std::optional<std::string> ChoiceRule(std::int32_t value)
{
    return ChoiceProblem(value, Choices);
}

std::optional<std::string> NotNegative(std::int32_t value);

} // namespace fw
