#include "text/string.h"

#include "runtime/trace.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fw {
namespace {

struct MidCase {
    const char* name;
    const char* text;
    std::int32_t start;
    std::int32_t length;
    const char* expected;
};

class MidTest : public ::testing::TestWithParam<MidCase> {};

TEST_P(MidTest, GivesThePieceCountedFromOne)
{
    const MidCase& c = GetParam();
    EXPECT_EQ(Mid(String(c.text), c.start, c.length), String(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Positions, MidTest,
                         ::testing::Values(MidCase{"first", "abcdef", 1, 1, "a"},
                                           MidCase{"last", "abcdef", 6, 1, "f"},
                                           MidCase{"pastEnd", "abcdef", 7, 1, ""},
                                           MidCase{"zeroStartHoldsNothing", "abcdef", 0, 1, ""},
                                           MidCase{"zeroStartGivesOneLess", "abcdef", 0, 4, "abc"},
                                           MidCase{"negativeStart", "abcdef", -2, 5, "ab"},
                                           MidCase{"lengthRunsPastEnd", "abcdef", 0, 201, "abcdef"},
                                           MidCase{"middle", "abcdef", 3, 2, "cd"},
                                           MidCase{"zeroLength", "abcdef", 2, 0, ""},
                                           MidCase{"negativeLength", "abcdef", 2, -1, ""},
                                           MidCase{"multiByteCharacters", "\xC3\xA9t\xC3\xA9", 3, 1, "\xC3\xA9"},
                                           MidCase{"hugeLength", "abc", 2, 2147483647, "bc"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LenTest, CountsCharactersNotBytes)
{
    EXPECT_EQ(Len(String("")), 0);
    EXPECT_EQ(Len(String("qwertyuiopasdfghjklzxcvbnm")), 26);
    EXPECT_EQ(Len(String("\xC3\xA9t\xC3\xA9")), 3);
    // A byte that starts no valid sequence is one character.
    EXPECT_EQ(Len(String("\xFF\x80z")), 3);
}

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
