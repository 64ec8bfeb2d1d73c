// Property records: the constant byte strings that give the window and each
// control their initial properties. An item is a property name, one space and
// the value; a record is its items back to back, with nothing before, between
// or after them. Values: a 32-bit integer is 4 bytes big-endian, a Boolean one
// byte 00/01, a colour 3 bytes red, green, blue, a String a 4-byte big-endian
// length and then its bytes.
#pragma once

#include "framework.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

namespace pwgen {

// The value of one item; the alternative decides its byte form.
using FieldValue = std::variant<std::int32_t, bool, fw::Color, std::string_view>;

struct RecordField {
    std::string_view name;
    FieldValue value;
};

// Spelled-out constructors, so that a table row says which form it writes.
constexpr FieldValue Int32Value(std::int32_t value) { return FieldValue(std::in_place_type<std::int32_t>, value); }
constexpr FieldValue BooleanValue(bool value) { return FieldValue(std::in_place_type<bool>, value); }
constexpr FieldValue ColourValue(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return FieldValue(std::in_place_type<fw::Color>, fw::Color { red, green, blue });
}
constexpr FieldValue StringValue(std::string_view value)
{
    return FieldValue(std::in_place_type<std::string_view>, value);
}

inline constexpr std::size_t kLengthPrefixSize = 4;

constexpr std::size_t ValueLength(const FieldValue& value)
{
    struct Length {
        constexpr std::size_t operator()(std::int32_t) const { return 4; }
        constexpr std::size_t operator()(bool) const { return 1; }
        constexpr std::size_t operator()(const fw::Color&) const { return 3; }
        constexpr std::size_t operator()(std::string_view text) const { return kLengthPrefixSize + text.size(); }
    };
    return std::visit(Length {}, value);
}

// Name, space, value.
constexpr std::size_t FieldLength(const RecordField& field) { return field.name.size() + 1 + ValueLength(field.value); }

constexpr std::size_t RecordLength(std::span<const RecordField> fields)
{
    std::size_t length = 0;
    for (const RecordField& field : fields)
        length += FieldLength(field);
    return length;
}

namespace detail {

constexpr bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

constexpr char FoldLetter(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr bool SameNameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldLetter(a[i]) != FoldLetter(b[i]))
            return false;
    }
    return true;
}

} // namespace detail

// What the framework's reader accepts of a list of items: every name made of
// letters only, no name given twice (letter case ignored), and every String
// short enough for its 4-byte length.
constexpr bool IsWellFormed(std::span<const RecordField> fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string_view name = fields[i].name;
        if (name.empty())
            return false;
        for (char c : name) {
            if (!detail::IsAsciiLetter(c))
                return false;
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (detail::SameNameIgnoringCase(fields[j].name, name))
                return false;
        }
        if (const auto* text = std::get_if<std::string_view>(&fields[i].value); text && text->size() > 0xFFFFFFFFu)
            return false;
    }
    return true;
}

// The record bytes of `fields`, in their order.
fw::String WriteRecord(std::span<const RecordField> fields);

// The eight records, each built once on first use.
const fw::String& WindowRecord();
const fw::String& GenerateRecord();
const fw::String& UseCapsRecord();
const fw::String& UseNumbersRecord();
const fw::String& UseSymbolsRecord();
const fw::String& PassSizeRecord();
const fw::String& Label1Record();
const fw::String& TextArea1Record();

// The items each record is written from, in record order.
std::span<const RecordField> WindowRecordItems();
std::span<const RecordField> GenerateRecordItems();
std::span<const RecordField> UseCapsRecordItems();
std::span<const RecordField> UseNumbersRecordItems();
std::span<const RecordField> UseSymbolsRecordItems();
std::span<const RecordField> PassSizeRecordItems();
std::span<const RecordField> Label1RecordItems();
std::span<const RecordField> TextArea1RecordItems();

} // namespace pwgen
