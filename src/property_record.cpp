#include "property_record.h"

#include <cassert>
#include <string>

namespace pwgen {
namespace {

// Big-endian whatever the processor's byte order.
void AppendUint32(std::string& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFFu));
}

struct ValueWriter {
    std::string& out;

    void operator()(std::int32_t value) const { AppendUint32(out, static_cast<std::uint32_t>(value)); }
    void operator()(bool value) const { out.push_back(value ? '\x01' : '\x00'); }
    void operator()(const fw::Color& colour) const
    {
        out.push_back(static_cast<char>(colour.red));
        out.push_back(static_cast<char>(colour.green));
        out.push_back(static_cast<char>(colour.blue));
    }
    void operator()(std::string_view text) const
    {
        AppendUint32(out, static_cast<std::uint32_t>(text.size()));
        out.append(text);
    }
};

} // namespace

fw::String WriteRecord(std::span<const RecordField> fields)
{
    assert(IsWellFormed(fields) && "a record's items must be ones the reader accepts");
    std::string out;
    out.reserve(RecordLength(fields));
    for (const RecordField& field : fields) {
        out.append(field.name);
        out.push_back(' ');
        std::visit(ValueWriter { out }, field.value);
    }
    assert(out.size() == RecordLength(fields));
    return fw::String(std::move(out));
}

} // namespace pwgen
