#include "row_name.h"
#include "runtime/property_setter.h"

#include "control_fixture.h"
#include "runtime/class_table.h"
#include "runtime/exception.h"
#include "runtime/trace.h"
#include "ui/check_box.h"
#include "ui/label.h"
#include "ui/push_button.h"
#include "ui/slider.h"
#include "ui/text_area.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QSlider>
#include <QTextBlock>
#include <QTextEdit>
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstring>
#include <limits>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace fw {
namespace {

// An object that keeps whatever its properties are set to, by property name,
// and the order of the sets.
class RecordTarget : public Object {
public:
    ~RecordTarget() override { ++destroyed; }

    std::map<std::string, Value> values;
    std::vector<std::string> setOrder;
    inline static int destroyed = 0;
};

// While set, the "Drop" property's setter releases this reference and notes
// whether its object died right then.
Ref<Object>* dropHolder = nullptr;
bool diedDuringCall = false;

void AddStoredProperty(ClassTable* table, const std::string& name, PropertyType type, PropertyCheck check = {})
{
    table->AddProperty(
        name, type,
        [name](const Object& o) {
            const auto& values = static_cast<const RecordTarget&>(o).values;
            const auto it = values.find(name);
            return it == values.end() ? Value() : it->second;
        },
        [name](Object& o, const Value& v) {
            auto& target = static_cast<RecordTarget&>(o);
            target.values[name] = v;
            target.setOrder.push_back(name);
        },
        std::move(check));
}

// The rule of the "Count" property.
std::optional<std::string> CountRule(const Value& value)
{
    if (std::get<std::int32_t>(value) < 0)
        return "a count is never negative";
    return std::nullopt;
}

ClassTable* NewTargetClass(const ClassTable* parent, const char* name)
{
    ClassTable* table = RuntimeNewClass(parent);
    table->name = name;
    table->instanceSize = sizeof(RecordTarget);
    table->factory = [] { return Ref<Object>(MakeRef<RecordTarget>()); };
    RuntimeNewVtableFromParent(table);
    return table;
}

// A base with a property of every type, a read-only one and the "Drop" one.
const ClassTable* BaseClass()
{
    static const ClassTable* table = [] {
        ClassTable* t = NewTargetClass(ObjectClass(), "RecordBase");
        AddStoredProperty(t, "Width", PropertyType::Int32);
        AddStoredProperty(t, "Visible", PropertyType::Boolean);
        AddStoredProperty(t, "BackColor", PropertyType::Color);
        AddStoredProperty(t, "Name", PropertyType::String);
        AddStoredProperty(t, "Ratio", PropertyType::Double);
        t->AddProperty("Revision", PropertyType::Int32, [](const Object&) { return Value(std::int32_t { 3 }); }, {});
        t->AddProperty(
            "Drop", PropertyType::Boolean, [](const Object&) { return Value(false); },
            [](Object&, const Value&) {
                const int before = RecordTarget::destroyed;
                dropHolder->reset();
                diedDuringCall = RecordTarget::destroyed != before;
            });
        return t;
    }();
    return table;
}

// A child that adds its own properties; its Value is an Int32, and its Count
// refuses negative values.
const ClassTable* ChildClass()
{
    static const ClassTable* table = [] {
        ClassTable* t = NewTargetClass(BaseClass(), "RecordChild");
        AddStoredProperty(t, "MultiLine", PropertyType::Boolean);
        AddStoredProperty(t, "Caption", PropertyType::String);
        AddStoredProperty(t, "Value", PropertyType::Int32);
        AddStoredProperty(t, "Count", PropertyType::Int32, &CountRule);
        return t;
    }();
    return table;
}

// A sibling whose Value is a Boolean.
const ClassTable* SwitchClass()
{
    static const ClassTable* table = [] {
        ClassTable* t = NewTargetClass(BaseClass(), "RecordSwitch");
        AddStoredProperty(t, "Value", PropertyType::Boolean);
        return t;
    }();
    return table;
}

// Record bytes from the tests' own encoder; the malformed ones are cut or
// spliced from its pieces.
using test_support::record::BigEndian32;
using test_support::record::Bool;
using test_support::record::EncodeValue;
using test_support::record::Int;
using test_support::record::Rgb;
using test_support::record::Str;

std::string Item(std::string_view name, const test_support::record::Value& value)
{
    return test_support::record::Encode(test_support::record::Item { name, value });
}

Ref<RecordTarget> NewTarget(const ClassTable* table)
{
    return RuntimeCheckCast<RecordTarget>(RuntimeNewObject(table), table);
}

// The message of the RuntimeException that `call` raises; fails the test when
// it raises none or an exception of another class.
template <class Call> std::string RuntimeExceptionMessage(Call call)
{
    try {
        call();
    } catch (const RaisedException& raised) {
        const Object* exception = raised.Exception().get();
        EXPECT_TRUE(exception && exception->Class() == RuntimeException::__Lookup()) << raised.what();
        if (const auto* runtime = dynamic_cast<const RuntimeException*>(exception))
            return runtime->Message().Bytes();
        return {};
    }
    ADD_FAILURE() << "no exception raised";
    return {};
}

// True when `message` says "at byte <offset>" and no longer number.
bool MentionsOffset(const std::string& message, std::size_t offset)
{
    const std::string needle = "at byte " + std::to_string(offset);
    for (std::size_t at = message.find(needle); at != std::string::npos; at = message.find(needle, at + 1)) {
        const std::size_t end = at + needle.size();
        if (end == message.size() || !std::isdigit(static_cast<unsigned char>(message[end])))
            return true;
    }
    return false;
}

// Every malformed record starts with this good item, which must not be set.
const std::string kGoodItem = Item("Width", Int(5));
constexpr std::size_t kAfterGoodItem = 10;

struct MalformedCase {
    const char* name;
    const ClassTable* (*table)();
    std::string record;
    std::size_t offset; // the offset the message names
    std::string mentioned; // the property or bad name, as the message quotes it
    friend void PrintTo(const MalformedCase& row, std::ostream* os) { *os << row.name; }
};

class MalformedRecordTest : public ::testing::TestWithParam<MalformedCase> { };

TEST_P(MalformedRecordTest, RaisesNamingClassPropertyAndOffsetAndSetsNothing)
{
    const MalformedCase& c = GetParam();
    const ClassTable* table = c.table();
    Ref<RecordTarget> target = NewTarget(table);
    target->values["Width"] = std::int32_t { 77 };
    const auto before = target->values;

    const std::string message = RuntimeExceptionMessage([&] { _SetProperties(target, String(c.record)); });

    EXPECT_NE(message.find(table->name), std::string::npos) << message;
    EXPECT_NE(message.find(c.mentioned), std::string::npos) << message;
    EXPECT_TRUE(MentionsOffset(message, c.offset)) << message;
    EXPECT_EQ(target->values, before);
    EXPECT_TRUE(target->setOrder.empty());
    EXPECT_EQ(RuntimeExceptionMessage([&] { ReadPropertyRecord(*table, String(c.record)); }), message);
}

INSTANTIATE_TEST_SUITE_P(Records, MalformedRecordTest,
    ::testing::Values(
        MalformedCase { "unknownName", ChildClass, kGoodItem + Item("Colour", Int(1)), kAfterGoodItem, "\"Colour\"" },
        MalformedCase {
            "childPropertyOnBase", BaseClass, kGoodItem + Item("Caption", Str("x")), kAfterGoodItem, "\"Caption\"" },
        MalformedCase { "emptyName", ChildClass, kGoodItem + Item("", Bool(true)), kAfterGoodItem, "\"\"" },
        MalformedCase { "nameRunsToTheEnd", ChildClass, kGoodItem + "Visible", kAfterGoodItem, "\"Visible\"" },
        MalformedCase {
            "digitInName", ChildClass, kGoodItem + Item("Vis1ble", Bool(true)), kAfterGoodItem + 3, "\"Vis\"" },
        MalformedCase { "zeroByteInName", ChildClass, kGoodItem + Item(std::string_view("Vis\0ble", 7), Bool(true)),
            kAfterGoodItem + 3, "\"Vis\"" },
        MalformedCase { "valueWithoutSpace", ChildClass, kGoodItem + "Visible" + EncodeValue(Bool(true)),
            kAfterGoodItem + 7, "\"Visible\"" },
        MalformedCase {
            "strayByteAfterLastItem", ChildClass, kGoodItem + EncodeValue(Bool(true)), kAfterGoodItem, "\"\"" },
        MalformedCase { "int32PastTheEnd", ChildClass, kGoodItem + "Value " + EncodeValue(Int(32)).substr(0, 3),
            kAfterGoodItem + 6, "\"Value\"" },
        MalformedCase { "booleanMissing", ChildClass, kGoodItem + "Visible ", kAfterGoodItem + 8, "\"Visible\"" },
        MalformedCase { "colorPastTheEnd", ChildClass,
            kGoodItem + "BackColor " + EncodeValue(Rgb(0xFF, 0xFF, 0xFF)).substr(0, 2), kAfterGoodItem + 10,
            "\"BackColor\"" },
        MalformedCase { "stringLengthCut", ChildClass, kGoodItem + "Name " + BigEndian32(0).substr(0, 2),
            kAfterGoodItem + 5, "\"Name\"" },
        MalformedCase { "stringTextPastTheEnd", ChildClass, kGoodItem + "Name " + BigEndian32(5) + "abc",
            kAfterGoodItem + 5, "\"Name\"" },
        MalformedCase { "stringLengthHuge", ChildClass, kGoodItem + "Name " + BigEndian32(0xFFFFFFFF) + "abc",
            kAfterGoodItem + 5, "\"Name\"" },
        MalformedCase { "booleanTwo", ChildClass, kGoodItem + "Visible \x02", kAfterGoodItem + 8, "\"Visible\"" },
        MalformedCase { "booleanFF", ChildClass, kGoodItem + "MultiLine \xFF", kAfterGoodItem + 10, "\"MultiLine\"" },
        MalformedCase { "namedTwice", ChildClass, kGoodItem + Item("WIDTH", Int(6)), kAfterGoodItem, "\"Width\"" },
        MalformedCase { "doubleProperty", ChildClass, kGoodItem + "Ratio " + std::string(8, '\0'), kAfterGoodItem + 6,
            "\"Ratio\"" },
        MalformedCase {
            "readOnlyProperty", ChildClass, kGoodItem + Item("Revision", Int(1)), kAfterGoodItem, "\"Revision\"" },
        MalformedCase { "refusedValue", ChildClass, kGoodItem + Item("Count", Int(-1)) + Item("Visible", Bool(true)),
            kAfterGoodItem + 6, "\"Count\"" }),
    RowName);

class PropertySetterTest : public ::testing::Test {
protected:
    Ref<RecordTarget> target = NewTarget(ChildClass());
};

TEST_F(PropertySetterTest, SetsEveryTypeInRecordOrder)
{
    const std::string record = Item("Caption", Str("Hi")) + Item("Width", Int(-7)) + Item("Visible", Bool(true))
        + Item("BackColor", Rgb(1, 2, 3)) + Item("MultiLine", Bool(false)) + Item("Name", Str("n"));

    _SetProperties(target, String(record));

    EXPECT_EQ(target->setOrder,
        (std::vector<std::string> { "Caption", "Width", "Visible", "BackColor", "MultiLine", "Name" }));
    EXPECT_EQ(target->values["Caption"], Value(String("Hi")));
    EXPECT_EQ(target->values["Width"], Value(std::int32_t { -7 }));
    EXPECT_EQ(target->values["Visible"], Value(true));
    EXPECT_EQ(target->values["BackColor"], Value(Color { 1, 2, 3 }));
    EXPECT_EQ(target->values["MultiLine"], Value(false));
    EXPECT_EQ(target->values["Name"], Value(String("n")));
}

TEST_F(PropertySetterTest, ReadsByTheLengthNotUpToAZeroByte)
{
    const std::string text("a\0b", 3);
    const std::string record = Item("Name", Str(text)) + Item("Visible", Bool(false)) + Item("Width", Int(0));
    ASSERT_EQ(record.size(), 31u);

    const std::vector<RecordItem> items = ReadPropertyRecord(*ChildClass(), String(record));

    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].offset, 0u);
    EXPECT_EQ(items[1].offset, 12u);
    EXPECT_EQ(items[2].offset, 21u);
    EXPECT_EQ(items[0].value, Value(String(text)));
    EXPECT_EQ(items[1].value, Value(false));
    EXPECT_EQ(items[2].value, Value(std::int32_t { 0 }));
}

TEST_F(PropertySetterTest, MatchesNamesIgnoringCaseInTheClassAndItsBases)
{
    const std::string record = Item("multiline", Bool(true)) + Item("WIDTH", Int(9)) + Item("bAcKcOlOr", Rgb(0, 0, 0));

    const std::vector<RecordItem> items = ReadPropertyRecord(*ChildClass(), String(record));
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].name, "multiline");
    EXPECT_EQ(items[0].property, ChildClass()->FindProperty("MultiLine"));
    EXPECT_EQ(items[1].property, BaseClass()->FindProperty("Width"));

    RuntimeMassPropertySetter(target, String(record));
    EXPECT_EQ(target->setOrder, (std::vector<std::string> { "MultiLine", "Width", "BackColor" }));
}

TEST_F(PropertySetterTest, ZeroIntegerAndEmptyStringShareTheirBytesButNotTheirType)
{
    // Four zero bytes each; the empty String's next item follows at once.
    const std::string record
        = "Width " + BigEndian32(0) + "Name " + BigEndian32(0) + "Visible " + EncodeValue(Bool(true));

    _SetProperties(target, String(record));

    EXPECT_EQ(target->values["Width"], Value(std::int32_t { 0 }));
    EXPECT_EQ(target->values["Name"], Value(String()));
    EXPECT_EQ(target->values["Visible"], Value(true));
}

TEST_F(PropertySetterTest, TheClassDecidesHowManyBytesAValueTakes)
{
    const std::string record = Item("Value", Bool(true)) + Item("Width", Int(3));

    const std::vector<RecordItem> asSwitch = ReadPropertyRecord(*SwitchClass(), String(record));
    ASSERT_EQ(asSwitch.size(), 2u);
    EXPECT_EQ(asSwitch[0].value, Value(true));
    EXPECT_EQ(asSwitch[1].value, Value(std::int32_t { 3 }));

    // As an Int32, Value swallows the 01 and "Wid", which leaves "th" as the
    // next name.
    const std::string message = RuntimeExceptionMessage([&] { ReadPropertyRecord(*ChildClass(), String(record)); });
    EXPECT_NE(message.find("\"th\""), std::string::npos) << message;
    EXPECT_TRUE(MentionsOffset(message, 10)) << message;
}

TEST_F(PropertySetterTest, EmptyRecordSetsNothing)
{
    _SetProperties(target, String());
    EXPECT_TRUE(target->setOrder.empty());
}

TEST_F(PropertySetterTest, NilObjectRaisesNilObjectException)
{
    for (auto* setter : { &_SetProperties, &RuntimeMassPropertySetter }) {
        try {
            setter(Ref<Object>(), String(Item("Width", Int(1))));
            ADD_FAILURE() << "no exception raised";
        } catch (const RaisedException& raised) {
            EXPECT_EQ(raised.Exception()->Class(), NilObjectException::__Lookup()) << raised.what();
        }
    }
}

TEST_F(PropertySetterTest, HoldsTheObjectWhileASetterDropsTheLastOtherReference)
{
    Ref<Object> holder = target;
    target.reset();
    dropHolder = &holder;
    diedDuringCall = false;
    const int destroyedBefore = RecordTarget::destroyed;

    RuntimeMassPropertySetter(holder, String(Item("Drop", Bool(true)) + Item("Width", Int(1))));

    dropHolder = nullptr;
    EXPECT_FALSE(diedDuringCall);
    EXPECT_EQ(RecordTarget::destroyed, destroyedBefore + 1);
}

TEST_F(PropertySetterTest, TracesBothCallsWithTheClassNameAndTheRecordInHex)
{
    TraceRecorder trace;
    _SetProperties(target, String(Item("Width", Int(1))));
    _SetProperties(target, String());
    EXPECT_EQ(trace.Entries(),
        (std::vector<std::string> { // "Width ", then 1 as four bytes.
            "_SetProperties RecordChild 57696474682000000001", "RuntimeMassPropertySetter RecordChild",
            "_SetProperties RecordChild", "RuntimeMassPropertySetter RecordChild" }));
}

struct Int32Case {
    const char* name;
    std::string bytes;
    std::int32_t expected;
    friend void PrintTo(const Int32Case& row, std::ostream* os) { *os << row.name; }
};

class Int32ValueTest : public ::testing::TestWithParam<Int32Case> { };

TEST_P(Int32ValueTest, ReadsBigEndianTwosComplement)
{
    const Int32Case& c = GetParam();
    const std::vector<RecordItem> items = ReadPropertyRecord(*ChildClass(), String("Width " + c.bytes));
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].value, Value(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Values, Int32ValueTest,
    ::testing::Values(
        Int32Case { "smallest", std::string("\x80\x00\x00\x00", 4), std::numeric_limits<std::int32_t>::min() },
        Int32Case { "largest", std::string("\x7F\xFF\xFF\xFF", 4), std::numeric_limits<std::int32_t>::max() },
        Int32Case { "minusOne", std::string("\xFF\xFF\xFF\xFF", 4), -1 },
        Int32Case { "highByteLast", std::string("\x00\x00\x00\x95", 4), 149 },
        Int32Case { "bytesInOrder", std::string("\x00\x00\x7D\x00", 4), 32000 }),
    RowName);

// The framework's controls: a record whose value a setter refuses changes
// nothing, neither the items before it nor the widget.

// Every property of the control, by name, read through its class and bases.
std::vector<std::pair<std::string, Value>> PropertyValues(const Object& object)
{
    std::vector<std::pair<std::string, Value>> values;
    for (const ClassTable* table = object.Class(); table; table = table->parent) {
        for (const PropertyDescriptor& property : table->properties)
            values.emplace_back(property.name, property.get(object));
    }
    return values;
}

// What the user sees of the control's widget.
std::string WidgetState(const QWidget& widget)
{
    std::ostringstream out;
    const QRect box = widget.geometry();
    out << "geometry " << box.x() << ',' << box.y() << ' ' << box.width() << 'x' << box.height() << "; hidden "
        << widget.isHidden() << "; enabled " << widget.isEnabled();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        out << "; caption " << button->text().toStdString();
    if (const auto* checkBox = qobject_cast<const QCheckBox*>(&widget))
        out << "; check state " << checkBox->checkState();
    if (const auto* slider = qobject_cast<const QSlider*>(&widget))
        out << "; slider " << slider->minimum() << " to " << slider->maximum() << " at " << slider->value()
            << ", steps " << slider->singleStep() << " and " << slider->pageStep() << ", ticks "
            << slider->tickPosition();
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        out << "; label " << label->text().toStdString() << ", aligned " << label->alignment().toInt();
    if (const auto* editor = qobject_cast<const QTextEdit*>(&widget))
        out << "; text " << editor->toPlainText().toStdString() << ", aligned "
            << editor->document()->firstBlock().blockFormat().alignment().toInt();
    return out.str();
}

template <class K> Ref<RectControl> NewPlacedControl(Window& window)
{
    return test::NewControl<K>(
        window, test::Record().Int("Left", 10).Int("Top", 20).Int("Width", 120).Int("Height", 30));
}

struct RefusedValueCase {
    const char* name;
    const char* className;
    Ref<RectControl> (*make)(Window& window);
    test::Record itemsBefore; // each would change the control
    const char* property;
    std::int32_t refused;
    friend void PrintTo(const RefusedValueCase& row, std::ostream* os) { *os << row.name; }
};

class RefusedValueTest : public test::ControlsTest, public ::testing::WithParamInterface<RefusedValueCase> { };

TEST_P(RefusedValueTest, RaisesNamingClassPropertyAndOffsetAndChangesNothing)
{
    const RefusedValueCase& c = GetParam();
    const Ref<RectControl> control = c.make(*window);
    const auto valuesBefore = PropertyValues(*control);
    const std::string widgetBefore = WidgetState(*control->Widget());
    test::Record record = c.itemsBefore;
    record.Int(c.property, c.refused).Bool("Enabled", false);
    const std::size_t refusedAt = c.itemsBefore.Bytes().size() + std::strlen(c.property) + 1;

    const std::string message = RuntimeExceptionMessage([&] { _SetProperties(control, record.Bytes()); });

    EXPECT_NE(message.find(c.className), std::string::npos) << message;
    EXPECT_NE(message.find("\"" + std::string(c.property) + "\""), std::string::npos) << message;
    EXPECT_TRUE(MentionsOffset(message, refusedAt)) << message;
    const auto valuesAfter = PropertyValues(*control);
    ASSERT_EQ(valuesAfter.size(), valuesBefore.size());
    for (std::size_t i = 0; i < valuesBefore.size(); ++i)
        EXPECT_TRUE(valuesAfter[i].second == valuesBefore[i].second) << valuesBefore[i].first << " changed";
    EXPECT_EQ(WidgetState(*control->Widget()), widgetBefore);
}

INSTANTIATE_TEST_SUITE_P(Controls, RefusedValueTest,
    ::testing::Values(RefusedValueCase { "CheckBox_State_7", "CheckBox", &NewPlacedControl<CheckBox>,
                          test::Record().Str("Caption", "changed").Bool("Value", true).Int("Left", 50), "State", 7 },
        RefusedValueCase { "CheckBox_State_minus1", "CheckBox", &NewPlacedControl<CheckBox>,
            test::Record().Bool("Value", true), "State", -1 },
        RefusedValueCase { "PushButton_Width_minus1", "PushButton", &NewPlacedControl<PushButton>,
            test::Record().Str("Caption", "changed").Int("Top", 5), "Width", -1 },
        RefusedValueCase { "Label_Height_minus30", "Label", &NewPlacedControl<Label>,
            test::Record().Str("Text", "changed").Int("Width", 300), "Height", -30 },
        RefusedValueCase { "Label_TextAlign_4", "Label", &NewPlacedControl<Label>,
            test::Record().Str("Text", "changed").Int("Height", 50), "TextAlign", 4 },
        RefusedValueCase { "TextArea_Alignment_9", "TextArea", &NewPlacedControl<TextArea>,
            test::Record().Str("Text", "changed").Bool("Multiline", false).Int("Left", 3), "Alignment", 9 },
        RefusedValueCase { "Slider_TickStyle_4", "Slider", &NewPlacedControl<Slider>,
            test::Record().Int("Maximum", 200).Int("Value", 150), "TickStyle", 4 },
        RefusedValueCase { "Slider_LineStep_minus2", "Slider", &NewPlacedControl<Slider>,
            test::Record().Int("PageStep", 25).Int("Value", 60), "LineStep", -2 },
        RefusedValueCase { "Slider_PageStep_minus5", "Slider", &NewPlacedControl<Slider>,
            test::Record().Int("LineStep", 7).Bool("Visible", false), "PageStep", -5 }),
    RowName);

// A property that holds one of a few choices says, when it refuses a value,
// which choices there are.
struct RefusedChoiceCase {
    const char* name;
    Ref<RectControl> (*make)(Window& window);
    const char* property;
    std::int32_t refused;
    const char* problem; // as the message ends
    friend void PrintTo(const RefusedChoiceCase& row, std::ostream* os) { *os << row.name; }
};

class RefusedChoiceTest : public test::ControlsTest, public ::testing::WithParamInterface<RefusedChoiceCase> { };

TEST_P(RefusedChoiceTest, NamesEveryChoiceThePropertyHolds)
{
    const RefusedChoiceCase& c = GetParam();
    const Ref<RectControl> control = c.make(*window);

    const std::string message
        = RuntimeExceptionMessage([&] { _SetProperties(control, test::Record().Int(c.property, c.refused).Bytes()); });

    const std::string ending = std::string(": ") + c.problem;
    ASSERT_GE(message.size(), ending.size()) << message;
    EXPECT_EQ(message.substr(message.size() - ending.size()), ending) << message;
}

INSTANTIATE_TEST_SUITE_P(Controls, RefusedChoiceTest,
    ::testing::Values(RefusedChoiceCase { "CheckBox_State_3", &NewPlacedControl<CheckBox>, "State", 3,
                          "3 is none of 0 unchecked, 1 checked, 2 indeterminate" },
        RefusedChoiceCase { "CheckBox_State_minus1", &NewPlacedControl<CheckBox>, "State", -1,
            "-1 is none of 0 unchecked, 1 checked, 2 indeterminate" },
        RefusedChoiceCase { "Slider_TickStyle_4", &NewPlacedControl<Slider>, "TickStyle", 4,
            "4 is none of 0 none, 1 top or left, 2 bottom or right, 3 both" },
        RefusedChoiceCase { "Label_TextAlign_minus2", &NewPlacedControl<Label>, "TextAlign", -2,
            "-2 is none of 0 default, 1 left, 2 centre, 3 right" },
        RefusedChoiceCase { "TextArea_Alignment_4", &NewPlacedControl<TextArea>, "Alignment", 4,
            "4 is none of 0 default, 1 left, 2 centre, 3 right" }),
    RowName);

// A window refuses a negative size or size limit the same way.
struct WindowRefusedValueCase {
    const char* name;
    const char* property;
    friend void PrintTo(const WindowRefusedValueCase& row, std::ostream* os) { *os << row.name; }
};

class WindowRefusedValueTest : public test::ControlsTest,
                               public ::testing::WithParamInterface<WindowRefusedValueCase> { };

TEST_P(WindowRefusedValueTest, RaisesNamingClassPropertyAndOffsetAndChangesNothing)
{
    const WindowRefusedValueCase& c = GetParam();
    const auto valuesBefore = PropertyValues(*window);
    const QWidget& content = *window->ContentWidget();
    const QSize sizeBefore = content.size();
    const QSize minimumBefore = content.minimumSize();
    const QSize maximumBefore = content.maximumSize();
    test::Record record = test::Record().Str("Title", "changed").Bool("Resizeable", true).Rgb("BackColor", { 1, 2, 3 });
    const std::size_t refusedAt = record.Bytes().size() + std::strlen(c.property) + 1;
    record.Int(c.property, -1).Bool("CloseButton", false);

    const std::string message = RuntimeExceptionMessage([&] { _SetProperties(window, record.Bytes()); });

    EXPECT_NE(message.find("Window"), std::string::npos) << message;
    EXPECT_NE(message.find("\"" + std::string(c.property) + "\""), std::string::npos) << message;
    EXPECT_TRUE(MentionsOffset(message, refusedAt)) << message;
    const auto valuesAfter = PropertyValues(*window);
    ASSERT_EQ(valuesAfter.size(), valuesBefore.size());
    for (std::size_t i = 0; i < valuesBefore.size(); ++i)
        EXPECT_TRUE(valuesAfter[i].second == valuesBefore[i].second) << valuesBefore[i].first << " changed";
    EXPECT_EQ(content.size(), sizeBefore);
    EXPECT_EQ(content.minimumSize(), minimumBefore);
    EXPECT_EQ(content.maximumSize(), maximumBefore);
}

INSTANTIATE_TEST_SUITE_P(Sizes, WindowRefusedValueTest,
    ::testing::Values(WindowRefusedValueCase { "Width_minus1", "Width" },
        WindowRefusedValueCase { "Height_minus1", "Height" }, WindowRefusedValueCase { "MinWidth_minus1", "MinWidth" },
        WindowRefusedValueCase { "MinHeight_minus1", "MinHeight" },
        WindowRefusedValueCase { "MaxWidth_minus1", "MaxWidth" },
        WindowRefusedValueCase { "MaxHeight_minus1", "MaxHeight" }),
    RowName);

// The largest sizes a record can give are kept as given; the content gets the
// largest size Qt allows a widget. (Qt takes a minimum of exactly that size
// as no minimum, so a window must not bring its sizes within range itself.)
using WindowSizeTest = test::ControlsTest;

TEST_F(WindowSizeTest, SizesPastWhatQtAllowsAreKeptAndShownAtQtsLargest)
{
    constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();
    _SetProperties(window,
        test::Record()
            .Bool("Resizeable", true)
            .Int("MaxWidth", kLargest)
            .Int("MaxHeight", kLargest)
            .Int("MinWidth", kLargest)
            .Int("Width", kLargest)
            .Bytes());

    EXPECT_EQ(window->MaxWidth(), kLargest);
    EXPECT_EQ(window->MinWidth(), kLargest);
    EXPECT_EQ(window->Width(), kLargest);
    const QWidget& content = *window->ContentWidget();
    EXPECT_EQ(content.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    EXPECT_EQ(content.minimumWidth(), QWIDGETSIZE_MAX);
    EXPECT_EQ(content.width(), QWIDGETSIZE_MAX);
}

} // namespace
} // namespace fw
