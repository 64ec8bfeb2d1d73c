// The framework's String: an immutable byte string marked UTF-8. Len counts
// characters; Mid counts positions from 1.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

class String {
public:
    String() = default;
    String(const char* text) : bytes_(text) {}
    String(std::string bytes) : bytes_(std::move(bytes)) {}
    String(std::string_view bytes) : bytes_(bytes) {}

    const std::string& Bytes() const noexcept { return bytes_; }
    std::size_t ByteLength() const noexcept { return bytes_.size(); }
    bool IsEmpty() const noexcept { return bytes_.empty(); }

    friend bool operator==(const String&, const String&) = default;

private:
    std::string bytes_;
};

// The number of characters: UTF-8 sequences, where a byte that cannot start
// or continue one counts as one character of its own.
std::int32_t Len(const String& s);

// The piece of `s` of `length` characters from position `start`, counting
// from 1. Positions before 1 hold nothing, so Mid(s, 0, n) is the first n - 1
// characters; a piece running past the end stops there; a negative length
// gives nothing.
String Mid(const String& s, std::int32_t start, std::int32_t length);

// `first` followed by `second`.
String RuntimeAddString(const String& first, const String& second);

} // namespace fw
