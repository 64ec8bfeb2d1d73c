// The checks the controls' setters make before they keep a value: a value
// outside what the property can hold raises a RuntimeException that names
// the control's class and the property, and the control stays unchanged.
#pragma once

#include <cstdint>
#include <string>

namespace fw {

class Control;

// Raises "Class.Property: problem".
[[noreturn]] void RaisePropertyError(const Control& control, const char* property, const std::string& problem);

// For a property that holds one of `count` choices, 0 to count - 1;
// `choices` says what they are, for the message.
void CheckChoice(
    const Control& control, const char* property, std::int32_t value, std::int32_t count, const char* choices);

void CheckNotNegative(const Control& control, const char* property, std::int32_t value);

} // namespace fw
