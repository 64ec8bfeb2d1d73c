// The tests' own writer of property records, kept apart from the program's so
// that the expected bytes of a record never come from the code under test.
// An item is the name, one space and the value: a 32-bit integer as 4 bytes
// big-endian, a Boolean as one byte 00 or 01, a colour as its 3 bytes, a
// String as a 4-byte big-endian length and then its bytes. A record is its
// items back to back, with nothing before, between or after them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace pwgen::testing::record {

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
inline constexpr Value kWhite = Value(std::in_place_type<Colour>, Colour { 0xFF, 0xFF, 0xFF });
inline constexpr Value kBlack = Value(std::in_place_type<Colour>, Colour { 0x00, 0x00, 0x00 });

inline void AppendBigEndian(std::string& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

inline std::string Encode(const Item& item)
{
    std::string out(item.name);
    out += ' ';
    if (const auto* integer = std::get_if<std::int32_t>(&item.value)) {
        AppendBigEndian(out, static_cast<std::uint32_t>(*integer));
    } else if (const auto* boolean = std::get_if<bool>(&item.value)) {
        out += *boolean ? '\x01' : '\x00';
    } else if (const auto* colour = std::get_if<Colour>(&item.value)) {
        for (const std::uint8_t component : *colour)
            out += static_cast<char>(component);
    } else {
        const std::string_view text = std::get<std::string_view>(item.value);
        AppendBigEndian(out, static_cast<std::uint32_t>(text.size()));
        out += text;
    }
    return out;
}

inline std::string Encode(std::span<const Item> items)
{
    std::string out;
    for (const Item& item : items)
        out += Encode(item);
    return out;
}

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

} // namespace pwgen::testing::record
