// The tests' own writer of property records, for the tests and the fuzzer.
// It is written from the record format itself, not derived from the
// program's writer (src/property_record.*) or the framework's reader, so that
// the expected bytes of a record never come from the code under test. Plain
// C++, with no GoogleTest and no framework types: the fuzzer uses it too.
//
// An item is the name, one space and the value: a 32-bit integer as 4 bytes
// big-endian two's complement, a Boolean as one byte 00 or 01, a colour as
// its 3 bytes, a String as a 4-byte big-endian length and then its bytes. A
// record is its items back to back, with nothing before, between or after
// them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace test_support::record {

using Colour = std::array<std::uint8_t, 3>;
using Value = std::variant<std::int32_t, bool, Colour, std::string_view>;

struct Item {
    std::string_view name;
    Value value;
};

// Spelled out, so that a row of a table names the type of its value.
constexpr Value Int(std::int32_t value) { return Value(std::in_place_type<std::int32_t>, value); }
constexpr Value Bool(bool value) { return Value(std::in_place_type<bool>, value); }
constexpr Value Str(std::string_view text) { return Value(std::in_place_type<std::string_view>, text); }
constexpr Value Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return Value(std::in_place_type<Colour>, Colour { red, green, blue });
}
inline constexpr Value kWhite = Rgb(0xFF, 0xFF, 0xFF);
inline constexpr Value kBlack = Rgb(0x00, 0x00, 0x00);

// A 32-bit integer as its 4 bytes, most significant first.
inline std::string BigEndian32(std::uint32_t value)
{
    std::string out;
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
    return out;
}

// The value's bytes alone, in the form its type gives it.
inline std::string EncodeValue(const Value& value)
{
    if (const auto* integer = std::get_if<std::int32_t>(&value))
        return BigEndian32(static_cast<std::uint32_t>(*integer));
    if (const auto* boolean = std::get_if<bool>(&value))
        return std::string(1, *boolean ? '\x01' : '\x00');
    if (const auto* colour = std::get_if<Colour>(&value))
        return { static_cast<char>((*colour)[0]), static_cast<char>((*colour)[1]), static_cast<char>((*colour)[2]) };
    const std::string_view text = std::get<std::string_view>(value);
    return BigEndian32(static_cast<std::uint32_t>(text.size())) + std::string(text);
}

inline std::string Encode(const Item& item) { return std::string(item.name) + ' ' + EncodeValue(item.value); }

inline std::string Encode(std::span<const Item> items)
{
    std::string out;
    for (const Item& item : items)
        out += Encode(item);
    return out;
}

// A record built item by item, for records a test makes up on the spot:
// each item is encoded as it is added, so its name and text may be
// temporaries.
class Record {
public:
    Record& Int(std::string_view name, std::int32_t value) { return Add(name, record::Int(value)); }
    Record& Bool(std::string_view name, bool value) { return Add(name, record::Bool(value)); }
    Record& Rgb(std::string_view name, Colour colour)
    {
        return Add(name, record::Rgb(colour[0], colour[1], colour[2]));
    }
    Record& Str(std::string_view name, std::string_view text) { return Add(name, record::Str(text)); }

    const std::string& Bytes() const { return bytes_; }

private:
    Record& Add(std::string_view name, const Value& value)
    {
        bytes_ += Encode(Item { name, value });
        return *this;
    }

    std::string bytes_;
};

inline int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// "49 6E 64" or "496E64" to its bytes; nullopt for anything but pairs of
// hexadecimal digits.
inline std::optional<std::string> FromHex(std::string_view hex)
{
    std::string bytes;
    int high = -1;
    for (const char c : hex) {
        if (c == ' ')
            continue;
        const int digit = HexDigit(c);
        if (digit < 0)
            return std::nullopt;
        if (high < 0) {
            high = digit;
        } else {
            bytes += static_cast<char>(high * 16 + digit);
            high = -1;
        }
    }
    if (high >= 0)
        return std::nullopt;
    return bytes;
}

// Bytes as "49 6E 64", for messages.
inline std::string ToHex(std::string_view bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (const unsigned char byte : bytes) {
        if (!hex.empty())
            hex += ' ';
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex;
}

// Where `actual` first departs from the record written from `items`, with the
// item that byte belongs to; empty when they are the same bytes.
inline std::string FirstDifference(std::span<const Item> items, std::string_view actual)
{
    std::size_t offset = 0;
    for (const Item& item : items) {
        const std::string expected = Encode(item);
        for (std::size_t i = 0; i < expected.size(); ++i, ++offset) {
            if (offset >= actual.size())
                return "the record ends at byte " + std::to_string(offset) + ", inside item " + std::string(item.name);
            if (actual[offset] != expected[i]) {
                return "byte " + std::to_string(offset) + ", in item " + std::string(item.name) + " (expected "
                    + ToHex(expected) + ", found " + ToHex(actual.substr(offset - i, expected.size())) + ")";
            }
        }
    }
    if (actual.size() > offset)
        return std::to_string(actual.size() - offset)
            + " bytes after the last item: " + ToHex(actual.substr(offset, 16));
    return {};
}

} // namespace test_support::record
