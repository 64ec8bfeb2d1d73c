#include "row_name.h"
#include "text/string.h"

#include "runtime/trace.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace fw {
namespace {

struct MidCase {
    const char* name;
    const char* text;
    std::int32_t start;
    std::int32_t length;
    const char* expected;
    friend void PrintTo(const MidCase& row, std::ostream* os) { *os << row.name; }
};

class MidTest : public ::testing::TestWithParam<MidCase> { };

TEST_P(MidTest, GivesThePieceCountedFromOne)
{
    const MidCase& c = GetParam();
    EXPECT_EQ(Mid(String(c.text), c.start, c.length), String(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Positions, MidTest,
    ::testing::Values(MidCase { "first", "abcdef", 1, 1, "a" }, MidCase { "last", "abcdef", 6, 1, "f" },
        MidCase { "pastEnd", "abcdef", 7, 1, "" }, MidCase { "zeroStartHoldsNothing", "abcdef", 0, 1, "" },
        MidCase { "zeroStartGivesOneLess", "abcdef", 0, 4, "abc" }, MidCase { "negativeStart", "abcdef", -2, 5, "ab" },
        MidCase { "lengthRunsPastEnd", "abcdef", 0, 201, "abcdef" }, MidCase { "middle", "abcdef", 3, 2, "cd" },
        MidCase { "zeroLength", "abcdef", 2, 0, "" }, MidCase { "negativeLength", "abcdef", 2, -1, "" },
        MidCase { "multiByteCharacters", "\xC3\xA9t\xC3\xA9", 3, 1, "\xC3\xA9" },
        MidCase { "hugeLength", "abc", 2, 2147483647, "bc" }),
    RowName);

TEST(LenTest, CountsCharactersNotBytes)
{
    EXPECT_EQ(Len(String("")), 0);
    EXPECT_EQ(Len(String("qwertyuiopasdfghjklzxcvbnm")), 26);
    EXPECT_EQ(Len(String("\xC3\xA9t\xC3\xA9")), 3);
    // A byte that starts no valid sequence is one character.
    EXPECT_EQ(Len(String("\xFF\x80z")), 3);
}

// Len and Mid give the same answers whichever way the string was made:
// joined, cut, copied or moved, ASCII and not mixed.
struct MadeCase {
    const char* name;
    String (*make)();
    std::int32_t len;
    std::int32_t start;
    std::int32_t length;
    const char* piece;
    friend void PrintTo(const MadeCase& row, std::ostream* os) { *os << row.name; }
};

class MadeStringTest : public ::testing::TestWithParam<MadeCase> { };

TEST_P(MadeStringTest, CountsAndCutsCharacters)
{
    const MadeCase& c = GetParam();
    const String s = c.make();
    EXPECT_EQ(Len(s), c.len);
    EXPECT_EQ(Mid(s, c.start, c.length), String(c.piece));
}

INSTANTIATE_TEST_SUITE_P(Makers, MadeStringTest,
    ::testing::Values(
        MadeCase { "asciiThenMultiByte", [] { return RuntimeAddString("ab", "\xC3\xA9z"); }, 4, 3, 2, "\xC3\xA9z" },
        MadeCase { "multiByteThenAscii", [] { return RuntimeAddString("\xC3\xA9", "ab"); }, 3, 2, 2, "ab" },
        MadeCase {
            "invalidByteThenMultiByte", [] { return RuntimeAddString("\xFF", "\xC3\xA9"); }, 2, 2, 1, "\xC3\xA9" },
        MadeCase { "asciiPieceOfMultiByte", [] { return Mid("\xC3\xA9xyz", 2, 2); }, 2, 2, 1, "y" },
        MadeCase { "multiBytePieceJoined", [] { return RuntimeAddString(Mid("x\xE2\x82\xAC", 2, 1), "y"); }, 2, 1, 1,
            "\xE2\x82\xAC" },
        MadeCase { "movedOverAscii",
            [] {
                String s("\xC3\xA9t");
                String t("abc");
                t = std::move(s);
                return t;
            },
            2, 1, 1, "\xC3\xA9" },
        MadeCase { "copiedOverAscii",
            [] {
                const String s("\xC3\xA9t");
                String t("abc");
                t = s;
                return t;
            },
            2, 2, 1, "t" },
        MadeCase { "fromStringView", [] { return String(std::string_view("\xC3\xA9t")); }, 2, 1, 1, "\xC3\xA9" },
        // Past the first eight bytes, and across the eighth.
        MadeCase { "multiByteAfterEightAscii", [] { return String("abcdefgh\xC3\xA9"); }, 9, 9, 1, "\xC3\xA9" },
        MadeCase {
            "multiByteAcrossTheEighthByte", [] { return String("abcdefg\xC3\xA9xyzuvw"); }, 14, 8, 2, "\xC3\xA9x" },
        MadeCase { "longAscii", [] { return String("abcdefghijklmnopq"); }, 17, 16, 5, "pq" }),
    RowName);

TEST(MidTest, RecordsItsStartAndLength)
{
    TraceRecorder trace;
    Mid(String("abcdef"), -2, 5);
    EXPECT_EQ(trace.Entries(), std::vector<std::string> { "Mid -2 5" });
}

TEST(RuntimeAddStringTest, JoinsInOrder)
{
    EXPECT_EQ(RuntimeAddString(String("ab"), String("cd")), String("abcd"));
    EXPECT_EQ(RuntimeAddString(String(""), String("x")), String("x"));
}

} // namespace
} // namespace fw
