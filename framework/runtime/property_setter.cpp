#include "runtime/property_setter.h"

#include "runtime/exception.h"
#include "runtime/trace.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string_view>
#include <utility>

namespace fw {
namespace {

constexpr char kNameEnd = ' ';
constexpr std::size_t kInt32Size = 4;
constexpr std::size_t kBooleanSize = 1;
constexpr std::size_t kColorSize = 3;
constexpr std::size_t kStringLengthSize = 4;
// A bad name in a message is cut to this many bytes.
constexpr std::size_t kShownNameLimit = 64;

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string HexByte(unsigned char byte)
{
    char text[5];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

std::string Quoted(std::string_view name)
{
    if (name.size() > kShownNameLimit)
        return "\"" + std::string(name.substr(0, kShownNameLimit)) + "...\"";
    return "\"" + std::string(name) + "\"";
}

std::string AtByte(std::size_t offset) { return " at byte " + std::to_string(offset); }

// Reads one record front to back; every failure raises with the class named.
class RecordReader {
public:
    RecordReader(const ClassTable& table, std::string_view bytes)
        : table_(table)
        , bytes_(bytes)
    { }

    std::vector<RecordItem> ReadAll()
    {
        std::vector<RecordItem> items;
        while (pos_ < bytes_.size())
            items.push_back(ReadItem(items));
        return items;
    }

private:
    RecordItem ReadItem(const std::vector<RecordItem>& earlier)
    {
        const std::size_t offset = pos_;
        std::string name = ReadName();
        const PropertyDescriptor* property = table_.FindProperty(name);
        if (!property)
            Fail("unknown property " + Quoted(name) + AtByte(offset));
        for (const RecordItem& item : earlier) {
            if (item.property == property)
                Fail("property " + Quoted(property->name) + " is named twice," + AtByte(item.offset) + " and"
                    + AtByte(offset));
        }
        if (!property->set)
            Fail("property " + Quoted(property->name) + AtByte(offset) + " is read-only");
        const std::size_t valueOffset = pos_;
        Value value = ReadValue(*property);
        CheckValue(*property, value, valueOffset);
        return { std::move(name), offset, property, std::move(value) };
    }

    // A value of the right form that the property's setter would refuse.
    void CheckValue(const PropertyDescriptor& property, const Value& value, std::size_t valueOffset) const
    {
        if (!property.check)
            return;
        if (std::optional<std::string> problem = property.check(value))
            Fail("property " + Quoted(property.name) + " refuses the value" + AtByte(valueOffset) + ": " + *problem);
    }

    // The letters up to the space that ends the name; steps over the space.
    std::string ReadName()
    {
        const std::size_t start = pos_;
        while (pos_ < bytes_.size() && bytes_[pos_] != kNameEnd) {
            if (!IsAsciiLetter(bytes_[pos_]))
                Fail("byte " + HexByte(static_cast<unsigned char>(bytes_[pos_])) + AtByte(pos_)
                    + " is not a letter, in property name " + Quoted(bytes_.substr(start, pos_ - start))
                    + " that starts" + AtByte(start));
            ++pos_;
        }
        const std::string_view name = bytes_.substr(start, pos_ - start);
        if (pos_ == bytes_.size())
            Fail("property name " + Quoted(name) + AtByte(start)
                + " runs to the end of the record with no space after it");
        if (name.empty())
            Fail("empty property name " + Quoted(name) + AtByte(start));
        ++pos_;
        return std::string(name);
    }

    Value ReadValue(const PropertyDescriptor& property)
    {
        switch (property.type) {
        case PropertyType::Int32:
            return static_cast<std::int32_t>(ReadUint32(property, "Int32"));
        case PropertyType::Boolean:
            return ReadBoolean(property);
        case PropertyType::Color: {
            const std::string_view rgb = Take(property, "Color", kColorSize);
            return Color { static_cast<std::uint8_t>(rgb[0]), static_cast<std::uint8_t>(rgb[1]),
                static_cast<std::uint8_t>(rgb[2]) };
        }
        case PropertyType::String:
            return ReadString(property);
        case PropertyType::Double:
            break;
        }
        Fail("property " + Quoted(property.name) + AtByte(pos_) + " is of type " + PropertyTypeName(property.type)
            + ", which a record cannot set");
    }

    std::uint32_t ReadUint32(const PropertyDescriptor& property, const char* what)
    {
        std::uint32_t value = 0;
        for (char byte : Take(property, what, kInt32Size))
            value = (value << 8) | static_cast<unsigned char>(byte);
        return value;
    }

    bool ReadBoolean(const PropertyDescriptor& property)
    {
        const std::size_t at = pos_;
        const auto byte = static_cast<unsigned char>(Take(property, "Boolean", kBooleanSize)[0]);
        if (byte > 1)
            Fail("Boolean value " + HexByte(byte) + " of property " + Quoted(property.name) + AtByte(at)
                + " is neither 0x00 nor 0x01");
        return byte == 1;
    }

    String ReadString(const PropertyDescriptor& property)
    {
        const std::size_t at = pos_;
        static_assert(kStringLengthSize == kInt32Size);
        const std::uint32_t length = ReadUint32(property, "String length");
        if (length > bytes_.size() - pos_)
            Fail("String value of property " + Quoted(property.name) + AtByte(at) + " has length "
                + std::to_string(length) + " but only " + std::to_string(bytes_.size() - pos_) + " bytes follow");
        return String(Take(property, "String", length));
    }

    // The next `size` bytes of a value of `property`.
    std::string_view Take(const PropertyDescriptor& property, const char* what, std::size_t size)
    {
        if (size > bytes_.size() - pos_)
            Fail(std::string(what) + " value of property " + Quoted(property.name) + AtByte(pos_) + " needs "
                + std::to_string(size) + " bytes but the record ends" + AtByte(bytes_.size()));
        const std::string_view taken = bytes_.substr(pos_, size);
        pos_ += size;
        return taken;
    }

    [[noreturn]] void Fail(const std::string& what) const
    {
        RaiseRuntimeException(String("bad property record for class " + table_.name + ": " + what));
    }

    const ClassTable& table_;
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

std::string ClassNameOf(const Ref<Object>& object)
{
    if (!object)
        return "nil";
    return object->Class() ? object->Class()->name : std::string("an object without a class");
}

// Two upper-case hexadecimal digits per byte, nothing between them.
std::string HexOf(std::string_view bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(2 * bytes.size());
    for (const unsigned char byte : bytes) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex;
}

} // namespace

std::vector<RecordItem> ReadPropertyRecord(const ClassTable& table, const String& record)
{
    return RecordReader(table, record.Bytes()).ReadAll();
}

void RuntimeMassPropertySetter(const Ref<Object>& object, const String& record)
{
    TraceCall("RuntimeMassPropertySetter", ClassNameOf(object));
    // Our own reference: a setter may drop the caller's last one.
    const Ref<Object> held = object;
    if (!held)
        RaiseNilObjectException("RuntimeMassPropertySetter: the object is nil");
    if (!held->Class())
        RaiseRuntimeException("RuntimeMassPropertySetter: the object has no class table");
    const std::vector<RecordItem> items = ReadPropertyRecord(*held->Class(), record);
    for (const RecordItem& item : items)
        item.property->set(*held, item.value);
}

void _SetProperties(const Ref<Object>& object, const String& record)
{
    // The record follows the class in hexadecimal, so that a test sees the
    // very bytes it was handed.
    TraceCall("_SetProperties", [&] {
        const std::string& bytes = record.Bytes();
        return bytes.empty() ? ClassNameOf(object) : ClassNameOf(object) + ' ' + HexOf(bytes);
    });
    RuntimeMassPropertySetter(object, record);
}

} // namespace fw
