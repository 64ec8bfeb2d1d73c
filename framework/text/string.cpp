#include "text/string.h"

#include "runtime/trace.h"

#include <algorithm>
#include <cstring>

namespace fw {
namespace {

bool IsContinuationByte(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length in bytes of the UTF-8 sequence that starts at `pos`: a lead byte
// with its continuation bytes, or 1 for a byte that starts no valid sequence.
std::size_t SequenceLength(const std::string& bytes, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(bytes[pos]);
    std::size_t expected = 1;
    if (lead >= 0xF0 && lead <= 0xF4)
        expected = 4;
    else if (lead >= 0xE0)
        expected = lead <= 0xEF ? 3 : 1;
    else if (lead >= 0xC2)
        expected = 2;
    if (pos + expected > bytes.size())
        return 1;
    for (std::size_t i = 1; i < expected; ++i) {
        if (!IsContinuationByte(static_cast<unsigned char>(bytes[pos + i])))
            return 1;
    }
    return expected;
}

// `first` followed by `second`, allocated once at their joint size (a copy of
// `first` with `second` appended would allocate twice).
std::string JoinBytes(const std::string& first, const std::string& second)
{
    std::string joined;
    joined.reserve(first.size() + second.size());
    joined.append(first).append(second);
    return joined;
}

} // namespace

bool AllAscii(std::string_view bytes) noexcept
{
    // Eight bytes at a time, their high bits gathered and tested once.
    std::uint64_t high = 0;
    std::size_t pos = 0;
    for (; pos + sizeof high <= bytes.size(); pos += sizeof high) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + pos, sizeof word);
        high |= word;
    }
    for (; pos < bytes.size(); ++pos)
        high |= static_cast<unsigned char>(bytes[pos]);
    return (high & 0x8080808080808080u) == 0;
}

std::int32_t Len(const String& s)
{
    const std::string& bytes = s.Bytes();
    if (s.IsAscii())
        return static_cast<std::int32_t>(bytes.size());
    std::int32_t count = 0;
    for (std::size_t pos = 0; pos < bytes.size(); pos += SequenceLength(bytes, pos))
        ++count;
    return count;
}

String Mid(const String& s, std::int32_t start, std::int32_t length)
{
    TraceCall("Mid", [&] { return std::to_string(start) + " " + std::to_string(length); });
    if (length <= 0)
        return {};
    // Characters at positions start .. start + length - 1, of which only
    // positions from 1 exist.
    const std::int64_t first = std::max<std::int64_t>(start, 1);
    const std::int64_t last = std::int64_t { start } + length - 1;
    if (last < first)
        return {};
    const std::string& bytes = s.Bytes();
    if (s.IsAscii()) {
        // Position p is the byte at p - 1.
        const auto size = static_cast<std::int64_t>(bytes.size());
        const std::int64_t begin = std::min(first - 1, size);
        const std::int64_t end = std::min(last, size);
        return String(bytes.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin)), true);
    }
    std::size_t pos = 0;
    std::int64_t position = 1;
    for (; pos < bytes.size() && position < first; ++position)
        pos += SequenceLength(bytes, pos);
    const std::size_t begin = pos;
    for (; pos < bytes.size() && position <= last; ++position)
        pos += SequenceLength(bytes, pos);
    return String(bytes.substr(begin, pos - begin));
}

String RuntimeAddString(const String& first, const String& second)
{
    return String(JoinBytes(first.Bytes(), second.Bytes()), first.IsAscii() && second.IsAscii());
}

} // namespace fw
