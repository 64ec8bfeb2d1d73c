// The rules for the values of properties. A property registers its rule
// together with its setter, so that the mass setter checks every value of a
// record before it sets any; the setter keeps to the same rule for the values
// that code sets. A refused value raises a RuntimeException that names the
// object's class and the property, and the object stays unchanged.
#pragma once

#include <cstdint>
#include <optional>
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

// For a property that holds one of `count` choices, 0 to count - 1;
// `choices` says what they are, for the message.
std::optional<std::string> ChoiceProblem(std::int32_t value, std::int32_t count, const char* choices);

std::optional<std::string> NotNegative(std::int32_t value);

} // namespace fw
