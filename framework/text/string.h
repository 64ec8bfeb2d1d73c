// The framework's String: an immutable byte string marked UTF-8. Len counts
// characters; Mid counts positions from 1.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

// True when every byte is below 0x80, so that each byte is one character.
bool AllAscii(std::string_view bytes) noexcept;

class String {
public:
    String() = default;
    String(const char* text)
        : String(std::string(text))
    { }
    String(std::string bytes)
        : bytes_(std::move(bytes))
        , ascii_(AllAscii(bytes_))
    { }
    String(std::string_view bytes)
        : String(std::string(bytes))
    { }

    String(const String&) = default;
    String& operator=(const String&) = default;
    // A moved-from String is empty, so that its flag stays true to its bytes.
    String(String&& other) noexcept
        : bytes_(std::move(other.bytes_))
        , ascii_(other.ascii_)
    {
        other.Empty();
    }
    String& operator=(String&& other) noexcept
    {
        if (this != &other) {
            bytes_ = std::move(other.bytes_);
            ascii_ = other.ascii_;
            other.Empty();
        }
        return *this;
    }

    const std::string& Bytes() const noexcept { return bytes_; }
    std::size_t ByteLength() const noexcept { return bytes_.size(); }
    bool IsEmpty() const noexcept { return bytes_.empty(); }
    // Every byte is one character: Len and Mid take their fast path.
    bool IsAscii() const noexcept { return ascii_; }

    friend bool operator==(const String& a, const String& b) noexcept { return a.bytes_ == b.bytes_; }

private:
    // For the operations that know whether their result is all ASCII
    // without looking at its bytes again.
    String(std::string bytes, bool ascii)
        : bytes_(std::move(bytes))
        , ascii_(ascii)
    { }
    friend String Mid(const String& s, std::int32_t start, std::int32_t length);
    friend String RuntimeAddString(const String& first, const String& second);

    void Empty() noexcept
    {
        bytes_.clear();
        ascii_ = true;
    }

    std::string bytes_;
    bool ascii_ = true; // whether bytes_ is all ASCII, set with it every time
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
