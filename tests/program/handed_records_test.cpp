// The eight property records as the program hands them to _SetProperties
// while it builds the window, byte for byte against the items typed in
// expected_records.h and written by the tests' own encoder.
#include "expected_records.h"
#include "program_fixture.h"
#include "record_encoder.h"
#include "row_name.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace pwgen {
namespace {

using namespace pwgen::testing;
using namespace test_support::record;

// The encoder itself, against the bytes the record format is illustrated
// with.
struct EncodingCase {
    const char* name;
    std::vector<Item> items;
    const char* hex;
    friend void PrintTo(const EncodingCase& row, std::ostream* os) { *os << row.name; }
};

class RecordEncoderTest : public ::testing::TestWithParam<EncodingCase> { };

TEST_P(RecordEncoderTest, WritesTheBytesOfTheFormat)
{
    const EncodingCase& c = GetParam();
    const std::optional<std::string> expected = FromHex(c.hex);
    ASSERT_TRUE(expected.has_value()) << c.hex;
    EXPECT_EQ(ToHex(Encode(c.items)), ToHex(*expected));
}

INSTANTIATE_TEST_SUITE_P(Examples, RecordEncoderTest,
    ::testing::Values(EncodingCase { "smallestIndex", { { "Index", Int(std::numeric_limits<std::int32_t>::min()) } },
                          "49 6E 64 65 78 20 80 00 00 00" },
        EncodingCase {
            "nameGenerate", { { "Name", Str("Generate") } }, "4E 61 6D 65 20 00 00 00 08 47 65 6E 65 72 61 74 65" },
        // Two items back to back: the end of the push button's record.
        EncodingCase { "indexThenName",
            { { "Index", Int(std::numeric_limits<std::int32_t>::min()) }, { "Name", Str("Generate") } },
            "49 6E 64 65 78 20 80 00 00 00 4E 61 6D 65 20 00 00 00 08 47 65 6E 65 72 61 74 65" },
        EncodingCase { "booleanTrue", { { "Default", Bool(true) } }, "44 65 66 61 75 6C 74 20 01" },
        EncodingCase { "booleanFalse", { { "Cancel", Bool(false) } }, "43 61 6E 63 65 6C 20 00" },
        EncodingCase { "colourWhite", { { "BackColor", kWhite } }, "42 61 63 6B 43 6F 6C 6F 72 20 FF FF FF" },
        EncodingCase { "colourBlack", { { "TextColor", kBlack } }, "54 65 78 74 43 6F 6C 6F 72 20 00 00 00" },
        EncodingCase { "int32000", { { "MaxWidth", Int(32000) } }, "4D 61 78 57 69 64 74 68 20 00 00 7D 00" },
        EncodingCase { "emptyStringIsFourZeroBytes", { { "HelpTag", kEmpty }, { "Visible", Bool(true) } },
            "48 65 6C 70 54 61 67 20 00 00 00 00 56 69 73 69 62 6C 65 20 01" }),
    RowName);

// The record bytes handed to _SetProperties, from the trace, in the order of
// the calls, with the class of the object each went to.
struct HandedRecord {
    std::string receiver;
    std::string bytes;
};

std::vector<HandedRecord> RecordsHanded(const std::vector<std::string>& trace)
{
    const std::string prefix = "_SetProperties ";
    std::vector<HandedRecord> handed;
    for (const std::string& entry : EntriesStartingWith(trace, prefix)) {
        const std::string detail = entry.substr(prefix.size());
        const std::size_t space = detail.find(' ');
        const std::optional<std::string> bytes
            = space == std::string::npos ? std::nullopt : FromHex(std::string_view(detail).substr(space + 1));
        if (!bytes) {
            ADD_FAILURE() << "no record bytes in " << entry;
            continue;
        }
        handed.push_back({ detail.substr(0, space), *bytes });
    }
    return handed;
}

// The class of the main window, as the run time names it.
constexpr const char* kWindowClass = "Window1.Window1";

class HandedRecordsTest : public ProgramTest {
protected:
    // The window is built, and its records applied, by the start-up alone.
    void SetUp() override { StartProgram(); }
};

TEST_F(HandedRecordsTest, OneRecordGoesToTheWindowAndOneToEachControlInTheOrderTheyAreBuilt)
{
    std::vector<std::string> receivers;
    for (const HandedRecord& record : RecordsHanded(Trace().Entries()))
        receivers.push_back(record.receiver);

    EXPECT_EQ(CountOf(receivers, kWindowClass), 1);
    std::erase(receivers, kWindowClass);
    EXPECT_EQ(receivers,
        (std::vector<std::string> { "PushButton", "CheckBox", "CheckBox", "CheckBox", "Slider", "Label", "TextArea" }));
}

struct RecordCase {
    const char* name;
    const char* receiver;
    // Which of the records handed to objects of that class, counted from 0.
    std::size_t nth;
    std::span<const Item> items;
    std::size_t itemCount;
    std::size_t length;
    friend void PrintTo(const RecordCase& row, std::ostream* os) { *os << row.name; }
};

class HandedRecordTest : public HandedRecordsTest, public ::testing::WithParamInterface<RecordCase> { };

TEST_P(HandedRecordTest, IsItsItemsByteForByte)
{
    const RecordCase& c = GetParam();
    // The table as typed: its items and the length they write.
    EXPECT_EQ(c.items.size(), c.itemCount);
    EXPECT_EQ(Encode(c.items).size(), c.length);

    std::vector<std::string> toReceiver;
    for (HandedRecord& record : RecordsHanded(Trace().Entries())) {
        if (record.receiver == c.receiver)
            toReceiver.push_back(std::move(record.bytes));
    }
    ASSERT_GT(toReceiver.size(), c.nth) << "too few records handed to a " << c.receiver;
    const std::string& handed = toReceiver[c.nth];

    EXPECT_EQ(handed.size(), c.length);
    EXPECT_EQ(FirstDifference(c.items, handed), "") << "handed: " << ToHex(handed);
}

INSTANTIATE_TEST_SUITE_P(Records, HandedRecordTest,
    ::testing::Values(RecordCase { "Window", kWindowClass, 0, kWindowRecord, 22, 303 },
        RecordCase { "Generate", "PushButton", 0, kGenerateRecord, 26, 339 },
        RecordCase { "UseCaps", "CheckBox", 0, kUseCapsRecord, 27, 320 },
        RecordCase { "UseNumbers", "CheckBox", 1, kUseNumbersRecord, 27, 326 },
        RecordCase { "UseSymbols", "CheckBox", 2, kUseSymbolsRecord, 27, 326 },
        RecordCase { "PassSize", "Slider", 0, kPassSizeRecord, 25, 297 },
        RecordCase { "Label1", "Label", 0, kLabel1Record, 30, 367 },
        RecordCase { "TextArea1", "TextArea", 0, kTextArea1Record, 40, 496 }),
    RowName);

} // namespace
} // namespace pwgen
