#include "expected_records.h"
#include "property_record.h"
#include "row_name.h"

#include "runtime/class_table.h"
#include "runtime/property_setter.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace pwgen {
namespace {

using fw::PropertyType;
namespace record = test_support::record;

PropertyType TypeOf(const record::Value& value)
{
    struct Type {
        PropertyType operator()(std::int32_t) const { return PropertyType::Int32; }
        PropertyType operator()(bool) const { return PropertyType::Boolean; }
        PropertyType operator()(const record::Colour&) const { return PropertyType::Color; }
        PropertyType operator()(std::string_view) const { return PropertyType::String; }
    };
    return std::visit(Type {}, value);
}

// The framework's classes spell four of the records' names in another case.
std::string ClassSpelling(std::string_view recordName)
{
    static const std::map<std::string_view, std::string> spellings
        = { { "Multiline", "MultiLine" }, { "ScrollbarVertical", "ScrollBarVertical" },
              { "ScrollbarHorizontal", "ScrollBarHorizontal" }, { "MacProcID", "MacProcId" } };
    const auto it = spellings.find(recordName);
    return it == spellings.end() ? std::string(recordName) : it->second;
}

// A class with one property per item of the typed record, of the item's type.
// The properties are registered in reverse, so that the reader cannot lean on
// their order.
const fw::ClassTable& ClassFor(const char* name, std::span<const record::Item> items)
{
    fw::ClassTable* table = fw::RuntimeNewClass(fw::ObjectClass());
    table->name = name;
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        table->AddProperty(
            ClassSpelling(it->name), TypeOf(it->value), [](const fw::Object&) { return fw::Value(); },
            [](fw::Object&, const fw::Value&) {});
    }
    return *table;
}

// A value as the reader gives it, in the form the typed records use. Its
// String refers to the read value's bytes.
record::Value InTypedForm(const fw::Value& value)
{
    if (const auto* integer = std::get_if<std::int32_t>(&value))
        return record::Int(*integer);
    if (const auto* boolean = std::get_if<bool>(&value))
        return record::Bool(*boolean);
    if (const auto* colour = std::get_if<fw::Color>(&value))
        return record::Colour { colour->red, colour->green, colour->blue };
    if (const auto* text = std::get_if<fw::String>(&value))
        return record::Str(text->Bytes());
    ADD_FAILURE() << "a record value of a type no record holds";
    return record::Int(0);
}

// The same, as the program's writer takes it.
FieldValue ToField(const fw::Value& value)
{
    struct Field {
        FieldValue operator()(std::int32_t integer) const { return Int32Value(integer); }
        FieldValue operator()(bool boolean) const { return BooleanValue(boolean); }
        FieldValue operator()(const record::Colour& c) const { return ColourValue(c[0], c[1], c[2]); }
        FieldValue operator()(std::string_view text) const { return StringValue(text); }
    };
    return std::visit(Field {}, InTypedForm(value));
}

struct RecordCase {
    const char* name;
    const fw::String& (*record)();
    std::span<const RecordField> (*items)();
    // The items as the window's design gives them, typed in the tests.
    std::span<const record::Item> typedItems;
    std::size_t length;
    std::size_t itemCount;
    friend void PrintTo(const RecordCase& row, std::ostream* os) { *os << row.name; }
};

class EightRecordsTest : public ::testing::TestWithParam<RecordCase> { };

TEST_P(EightRecordsTest, HasItsLengthAndItemCount)
{
    const RecordCase& c = GetParam();
    EXPECT_EQ(c.record().ByteLength(), c.length);
    EXPECT_EQ(c.items().size(), c.itemCount);
}

TEST_P(EightRecordsTest, ReadsBackToItsTypedItemsEndingExactlyAtItsLength)
{
    const RecordCase& c = GetParam();
    const std::span<const record::Item> typed = c.typedItems;

    const std::vector<fw::RecordItem> read = fw::ReadPropertyRecord(ClassFor(c.name, typed), c.record());

    ASSERT_EQ(read.size(), typed.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        SCOPED_TRACE(read[i].name);
        EXPECT_EQ(read[i].name, typed[i].name);
        EXPECT_EQ(read[i].property->name, ClassSpelling(typed[i].name));
        const record::Item asRead { typed[i].name, InTypedForm(read[i].value) };
        EXPECT_EQ(record::ToHex(record::Encode(asRead)), record::ToHex(record::Encode(typed[i])));
    }
    EXPECT_EQ(read.back().offset + record::Encode(typed.back()).size(), c.length);
}

TEST_P(EightRecordsTest, WrittenAgainFromWhatWasReadIsTheSameBytes)
{
    const RecordCase& c = GetParam();
    const std::vector<fw::RecordItem> read = fw::ReadPropertyRecord(ClassFor(c.name, c.typedItems), c.record());

    std::vector<RecordField> again;
    for (const fw::RecordItem& item : read)
        again.push_back({ item.name, ToField(item.value) });

    EXPECT_EQ(WriteRecord(again).Bytes(), c.record().Bytes());
}

INSTANTIATE_TEST_SUITE_P(Records, EightRecordsTest,
    ::testing::Values(RecordCase { "Window", WindowRecord, WindowRecordItems, record::kWindowRecord, 303, 22 },
        RecordCase { "Generate", GenerateRecord, GenerateRecordItems, record::kGenerateRecord, 339, 26 },
        RecordCase { "UseCaps", UseCapsRecord, UseCapsRecordItems, record::kUseCapsRecord, 320, 27 },
        RecordCase { "UseNumbers", UseNumbersRecord, UseNumbersRecordItems, record::kUseNumbersRecord, 326, 27 },
        RecordCase { "UseSymbols", UseSymbolsRecord, UseSymbolsRecordItems, record::kUseSymbolsRecord, 326, 27 },
        RecordCase { "PassSize", PassSizeRecord, PassSizeRecordItems, record::kPassSizeRecord, 297, 25 },
        RecordCase { "Label1", Label1Record, Label1RecordItems, record::kLabel1Record, 367, 30 },
        RecordCase { "TextArea1", TextArea1Record, TextArea1RecordItems, record::kTextArea1Record, 496, 40 }),
    RowName);

enum class Where { Inside, AtTheEnd };

struct BytesCase {
    const char* name;
    const fw::String& (*record)();
    std::string bytes;
    Where where;
    friend void PrintTo(const BytesCase& row, std::ostream* os) { *os << row.name; }
};

class RecordBytesTest : public ::testing::TestWithParam<BytesCase> { };

TEST_P(RecordBytesTest, HoldsTheExactBytes)
{
    const BytesCase& c = GetParam();
    const std::string& record = c.record().Bytes();
    if (c.where == Where::AtTheEnd) {
        ASSERT_GE(record.size(), c.bytes.size());
        EXPECT_EQ(record.substr(record.size() - c.bytes.size()), c.bytes);
    } else {
        EXPECT_NE(record.find(c.bytes), std::string::npos);
    }
}

std::string Bytes(std::initializer_list<unsigned char> bytes) { return std::string(bytes.begin(), bytes.end()); }

INSTANTIATE_TEST_SUITE_P(Examples, RecordBytesTest,
    ::testing::Values(
        // Index -2147483648, then Name "Generate" as the record's last bytes.
        BytesCase { "generateEndsWithIndexAndName", GenerateRecord,
            Bytes({ 0x49, 0x6E, 0x64, 0x65, 0x78, 0x20, 0x80, 0x00, 0x00, 0x00, 0x4E, 0x61, 0x6D, 0x65, 0x20, 0x00,
                0x00, 0x00, 0x08, 0x47, 0x65, 0x6E, 0x65, 0x72, 0x61, 0x74, 0x65 }),
            Where::AtTheEnd },
        BytesCase { "generateDefaultTrue", GenerateRecord,
            Bytes({ 0x44, 0x65, 0x66, 0x61, 0x75, 0x6C, 0x74, 0x20, 0x01 }), Where::Inside },
        // An empty String is four zero bytes, and the next name follows.
        BytesCase { "generateEmptyHelpTagThenVisible", GenerateRecord,
            std::string("HelpTag ") + Bytes({ 0, 0, 0, 0 }) + "Visible " + Bytes({ 0x01 }), Where::Inside },
        BytesCase { "windowBackColorWhite", WindowRecord,
            Bytes({ 0x42, 0x61, 0x63, 0x6B, 0x43, 0x6F, 0x6C, 0x6F, 0x72, 0x20, 0xFF, 0xFF, 0xFF }), Where::Inside },
        BytesCase { "checkBoxValueIsOneByte", UseCapsRecord,
            "Value " + Bytes({ 0x01 }) + "State " + Bytes({ 0, 0, 0, 1 }), Where::Inside },
        BytesCase {
            "sliderValueIsFourBytes", PassSizeRecord, "Value " + Bytes({ 0, 0, 0, 32 }) + "Minimum ", Where::Inside },
        BytesCase { "label1EndsWithTabStopAfterName", Label1Record,
            "Name " + Bytes({ 0, 0, 0, 6 }) + "Label1" + "TabStop " + Bytes({ 0x01 }), Where::AtTheEnd },
        BytesCase { "textAreaTextColorBlack", TextArea1Record, "TextColor " + Bytes({ 0, 0, 0 }) + "UseFocusRing ",
            Where::Inside }),
    RowName);

TEST(WriteRecordTest, WritesNameSpaceAndValueOfEachTypeWithNothingAfter)
{
    const RecordField items[] = { { "A", Int32Value(-2) }, { "B", StringValue("") }, { "C", ColourValue(1, 2, 3) },
        { "D", BooleanValue(false) }, { "E", StringValue("xy") } };
    const std::string expected = "A " + Bytes({ 0xFF, 0xFF, 0xFF, 0xFE }) + "B " + Bytes({ 0, 0, 0, 0 }) + "C "
        + Bytes({ 1, 2, 3 }) + "D " + Bytes({ 0 }) + "E " + Bytes({ 0, 0, 0, 2 }) + "xy";

    EXPECT_EQ(WriteRecord(items).Bytes(), expected);
    EXPECT_EQ(RecordLength(items), expected.size());
    EXPECT_TRUE(WriteRecord({}).IsEmpty());
}

struct FormCase {
    const char* name;
    std::vector<RecordField> items;
    bool wellFormed;
    friend void PrintTo(const FormCase& row, std::ostream* os) { *os << row.name; }
};

class IsWellFormedTest : public ::testing::TestWithParam<FormCase> { };

TEST_P(IsWellFormedTest, AcceptsOnlyWhatTheReaderAccepts)
{
    EXPECT_EQ(IsWellFormed(GetParam().items), GetParam().wellFormed);
}

INSTANTIATE_TEST_SUITE_P(Items, IsWellFormedTest,
    ::testing::Values(FormCase { "letters", { { "Width", Int32Value(1) }, { "Name", StringValue("") } }, true },
        FormCase { "emptyName", { { "", Int32Value(1) } }, false },
        FormCase { "digitInName", { { "Label1", BooleanValue(true) } }, false },
        FormCase { "spaceInName", { { "Tab Stop", BooleanValue(true) } }, false },
        FormCase { "sameNameOtherCase", { { "Width", Int32Value(1) }, { "WIDTH", Int32Value(2) } }, false }),
    RowName);

} // namespace
} // namespace pwgen
