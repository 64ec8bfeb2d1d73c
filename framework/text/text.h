// The framework's second text type, used to turn numbers into text and join
// constants; converted to String before it is shown or logged.
#pragma once

#include "text/string.h"

#include <cstdint>
#include <string>

namespace fw {

class Text {
public:
    Text() = default;
    Text(const char* text)
        : bytes_(text)
    { }
    explicit Text(std::string bytes)
        : bytes_(std::move(bytes))
    { }

    const std::string& Bytes() const noexcept { return bytes_; }
    friend bool operator==(const Text&, const Text&) = default;

private:
    std::string bytes_;
};

class Locale;

namespace Int32 {
// The value's plain decimal digits, with a leading '-' for a negative value.
// No locale (nullptr) means no grouping and ASCII digits.
Text ToText(std::int32_t value, const Locale* locale = nullptr);
} // namespace Int32

Text RuntimeConcatText(const Text& first, const Text& second);
String RuntimeStringFromText(const Text& text);

} // namespace fw
