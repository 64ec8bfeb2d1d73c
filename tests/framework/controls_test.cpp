// The control classes' tables and properties: the events in index order,
// records reaching the widgets, and values a property cannot hold.
#include "control_fixture.h"
#include "row_name.h"

#include "runtime/exception.h"
#include "ui/check_box.h"
#include "ui/label.h"
#include "ui/push_button.h"
#include "ui/slider.h"
#include "ui/text_area.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTextBlock>
#include <QTextEdit>

#include <limits>

namespace fw::test {
namespace {

struct EventTableCase {
    const char* name;
    const ClassTable* (*table)();
    const char* event;
    int index;
    std::size_t size;
    friend void PrintTo(const EventTableCase& row, std::ostream* os) { *os << row.name; }
};

class EventTableTest : public ::testing::TestWithParam<EventTableCase> { };

TEST_P(EventTableTest, InheritsRectControlsEventsThenAppendsItsOwn)
{
    const EventTableCase& c = GetParam();
    const ClassTable* table = c.table();
    const std::vector<EventSlot>& inherited = RectControl::__Lookup()->events;
    ASSERT_EQ(table->events.size(), c.size);
    for (std::size_t i = 0; i < inherited.size(); ++i)
        EXPECT_EQ(table->events[i].name, inherited[i].name) << "at " << i;
    EXPECT_EQ(table->EventIndex(c.event), c.index);
}

INSTANTIATE_TEST_SUITE_P(Classes, EventTableTest,
    ::testing::Values(EventTableCase { "pushButton", &PushButton::__Lookup, "Action", 15, 16 },
        EventTableCase { "checkBox", &CheckBox::__Lookup, "Action", 15, 16 },
        EventTableCase { "slider", &Slider::__Lookup, "ValueChanged", 20, 21 },
        EventTableCase { "label", &Label::__Lookup, "MouseUp", 14, 15 },
        EventTableCase { "textArea", &TextArea::__Lookup, "MouseUp", 14, 15 }),
    RowName);

TEST(ControlClassTest, TextEditIsAbstractAndTextAreaDerivesFromIt)
{
    EXPECT_TRUE(TextArea::__Lookup()->IsA(TextEdit::__Lookup()));
    EXPECT_THROW(RuntimeNewObject(TextEdit::__Lookup()), RaisedException);
}

// A record with every item of the class that the program's records use, and
// what the widget must show once it is applied.
struct RecordCase {
    const char* name;
    Ref<RectControl> (*make)(Window& window, Order order, const String& record);
    Record record;
    void (*check)(QWidget& widget);
    friend void PrintTo(const RecordCase& row, std::ostream* os) { *os << row.name; }
};

template <class K> Ref<RectControl> NewWithRecord(Window& window, Order order, const String& record)
{
    return NewControl<K>(window, order, [&](K& c) { _SetProperties(RefTo(c), record); });
}

Record Font(Record record)
{
    return record.Bool("Underline", false).Bool("Italic", false).Bool("Bold", true).Str("TextFont", "System");
}

Record Geometry(Record record)
{
    return record.Int("Left", 20).Int("Top", 149).Int("Width", 300).Int("Height", 47).Str("Name", "n");
}

std::vector<RecordCase> RecordCases()
{
    return {
        { "pushButton", &NewWithRecord<PushButton>,
            Geometry(
                Font(Record().Int("ButtonStyle", 0).Bool("Cancel", false).Bool("Default", true).Str("Caption", "&Go"))),
            [](QWidget& widget) {
                auto& button = static_cast<QPushButton&>(widget);
                EXPECT_EQ(button.text().toStdString(), "&Go");
                EXPECT_TRUE(button.isDefault());
                EXPECT_TRUE(button.font().bold());
                EXPECT_EQ(button.geometry(), QRect(20, 149, 300, 47));
            } },
        { "checkBoxChecked", &NewWithRecord<CheckBox>,
            Geometry(Font(Record()
                              .Str("DataField", "")
                              .Str("DataSource", "")
                              .Bool("Value", true)
                              .Int("State", 1)
                              .Str("Caption", "Use CAPS"))),
            [](QWidget& widget) {
                auto& box = static_cast<QCheckBox&>(widget);
                EXPECT_EQ(box.text().toStdString(), "Use CAPS");
                EXPECT_EQ(box.checkState(), Qt::Checked);
            } },
        { "checkBoxIndeterminate", &NewWithRecord<CheckBox>, Record().Int("State", 2),
            [](QWidget& widget) { EXPECT_EQ(static_cast<QCheckBox&>(widget).checkState(), Qt::PartiallyChecked); } },
        // The value comes before the minimum, as in the program's record.
        { "slider", &NewWithRecord<Slider>,
            Geometry(Record()
                         .Int("TickStyle", 0)
                         .Bool("LiveScroll", false)
                         .Int("PageStep", 20)
                         .Int("LineStep", 2)
                         .Int("Maximum", 200)
                         .Int("Value", 32)
                         .Int("Minimum", 8)),
            [](QWidget& widget) {
                auto& bar = static_cast<QSlider&>(widget);
                EXPECT_EQ(bar.orientation(), Qt::Horizontal);
                EXPECT_EQ(bar.minimum(), 8);
                EXPECT_EQ(bar.maximum(), 200);
                EXPECT_EQ(bar.value(), 32);
                EXPECT_EQ(bar.singleStep(), 2);
                EXPECT_EQ(bar.pageStep(), 20);
                EXPECT_FALSE(bar.hasTracking());
                EXPECT_EQ(bar.tickPosition(), QSlider::NoTicks);
            } },
        { "sliderMinimumAboveMaximum", &NewWithRecord<Slider>, Record().Int("Maximum", 10).Int("Minimum", 20),
            [](QWidget& widget) {
                auto& bar = static_cast<QSlider&>(widget);
                EXPECT_EQ(bar.minimum(), 20);
                EXPECT_EQ(bar.maximum(), 20);
                EXPECT_EQ(bar.value(), 20);
            } },
        { "label", &NewWithRecord<Label>,
            Geometry(Font(Record()
                              .Str("DataField", "")
                              .Str("DataSource", "")
                              .Bool("Transparent", false)
                              .Bool("Selectable", true)
                              .Bool("Multiline", true)
                              .Rgb("TextColor", { 200, 0, 0 })
                              .Int("TextAlign", 2)
                              .Str("Text", "32 <b>chars</b> long"))),
            [](QWidget& widget) {
                auto& label = static_cast<QLabel&>(widget);
                EXPECT_EQ(label.text().toStdString(), "32 <b>chars</b> long");
                EXPECT_EQ(label.textFormat(), Qt::PlainText);
                EXPECT_TRUE(label.alignment() & Qt::AlignHCenter);
                EXPECT_TRUE(label.wordWrap());
                EXPECT_TRUE(label.textInteractionFlags() & Qt::TextSelectableByMouse);
                EXPECT_EQ(label.palette().color(QPalette::Active, QPalette::WindowText), QColor(200, 0, 0));
            } },
        { "textArea", &NewWithRecord<TextArea>,
            Geometry(Font(Record()
                              .Str("DataField", "")
                              .Str("DataSource", "")
                              .Bool("AutomaticallyCheckSpelling", true)
                              .Int("Alignment", 3)
                              .Bool("AcceptTabs", true)
                              .Int("LimitText", 0)
                              .Bool("ReadOnly", true)
                              .Str("Mask", "")
                              .Str("Text", "pa55\nw0rd")
                              .Bool("HideSelection", true)
                              .Str("Format", "")
                              .Rgb("BackColor", { 1, 2, 3 })
                              .Rgb("TextColor", { 4, 5, 6 })
                              .Bool("UseFocusRing", true)
                              .Bool("Styled", true)
                              .Bool("ScrollbarVertical", false)
                              .Bool("ScrollbarHorizontal", true)
                              .Bool("Multiline", false)
                              .Bool("Border", false))),
            [](QWidget& widget) {
                auto& area = static_cast<QTextEdit&>(widget);
                EXPECT_EQ(area.toPlainText().toStdString(), "pa55\nw0rd");
                EXPECT_TRUE(area.isReadOnly());
                EXPECT_FALSE(area.tabChangesFocus());
                EXPECT_EQ(area.lineWrapMode(), QTextEdit::NoWrap);
                EXPECT_EQ(area.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
                EXPECT_EQ(area.horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
                EXPECT_EQ(area.frameShape(), QFrame::NoFrame);
                EXPECT_EQ(area.palette().color(QPalette::Active, QPalette::Base), QColor(1, 2, 3));
                EXPECT_EQ(area.palette().color(QPalette::Active, QPalette::Text), QColor(4, 5, 6));
                for (QTextBlock block = area.document()->begin(); block.isValid(); block = block.next())
                    EXPECT_TRUE(block.blockFormat().alignment() & Qt::AlignRight) << block.text().toStdString();
            } },
    };
}

class RecordTest : public ControlsTest, public ::testing::WithParamInterface<std::tuple<RecordCase, Order>> { };

TEST_P(RecordTest, ReachesTheWidgetWhetherSetBeforeOrAfterTheConstructor)
{
    const auto& [c, order] = GetParam();
    const Ref<RectControl> control = c.make(*window, order, c.record.Bytes());
    ASSERT_NE(control->Widget(), nullptr);
    c.check(*control->Widget());
}

INSTANTIATE_TEST_SUITE_P(
    Records, RecordTest, ::testing::Combine(::testing::ValuesIn(RecordCases()), BothOrders), RowName);

// Any 32-bit position and size is a value the control keeps, also where the
// far edge lies past what an int can hold; the widget is then placed as far
// out as it goes, and shows only where the window's content can see it.
struct ExtremeGeometryCase {
    const char* name;
    std::int32_t left, top, width, height;
    bool inSight;
    friend void PrintTo(const ExtremeGeometryCase& row, std::ostream* os) { *os << row.name; }
};

class ExtremeGeometryTest : public ControlsTest,
                            public ::testing::WithParamInterface<std::tuple<ExtremeGeometryCase, Order>> { };

TEST_P(ExtremeGeometryTest, KeepsTheValuesAndShowsOnlyWhatIsInSight)
{
    const auto& [c, order] = GetParam();
    const Record record = Record().Int("Left", c.left).Int("Top", c.top).Int("Width", c.width).Int("Height", c.height);
    const Ref<RectControl> control = NewWithRecord<PushButton>(*window, order, record.Bytes());

    EXPECT_EQ(control->Left(), c.left);
    EXPECT_EQ(control->Top(), c.top);
    EXPECT_EQ(control->Width(), c.width);
    EXPECT_EQ(control->Height(), c.height);
    const QRect placed = control->Widget()->geometry();
    EXPECT_TRUE(placed.isValid()) << "placed at " << placed.x() << "," << placed.y();
    EXPECT_EQ(placed.intersects(window->ContentWidget()->rect()), c.inSight);
}

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

INSTANTIATE_TEST_SUITE_P(Values, ExtremeGeometryTest,
    ::testing::Combine(::testing::Values(ExtremeGeometryCase { "farRight", kMax, 0, kMax, 20, false },
                           ExtremeGeometryCase { "farBelow", 0, kMax, 20, kMax, false },
                           ExtremeGeometryCase { "rightEdgePastTheIntRange", 1634533376, 0, 1359796087, 20, false },
                           ExtremeGeometryCase { "farLeft", kMin, 0, kMax, 20, false },
                           ExtremeGeometryCase { "farAbove", 0, kMin, 20, kMax, false },
                           ExtremeGeometryCase { "fromJustLeftToFarRight", -1000, 10, kMax, 20, true },
                           ExtremeGeometryCase { "fromJustAboveToFarBelow", 10, -1000, 20, kMax, true }),
        BothOrders),
    RowName);

// A value the property cannot hold, and what the widget shows of it.
struct BadValueCase {
    const char* name;
    Ref<RectControl> (*make)(Window& window);
    const char* property;
    void (*set)(RectControl& control);
    double (*shown)(QWidget& widget);
    friend void PrintTo(const BadValueCase& row, std::ostream* os) { *os << row.name; }
};

class BadValueTest : public ControlsTest, public ::testing::WithParamInterface<BadValueCase> { };

template <class K> Ref<RectControl> NewDefault(Window& window) { return NewControl<K>(window); }

double FirstLineHeight(QWidget& widget)
{
    return static_cast<QTextEdit&>(widget).document()->firstBlock().blockFormat().lineHeight();
}

double FirstAlignment(QWidget& widget)
{
    return static_cast<QTextEdit&>(widget).document()->firstBlock().blockFormat().alignment().toInt();
}

TEST_P(BadValueTest, RaisesNamingClassAndPropertyAndChangesNothing)
{
    const BadValueCase& c = GetParam();
    const Ref<RectControl> control = c.make(*window);
    const PropertyDescriptor* property = control->Class()->FindProperty(c.property);
    ASSERT_NE(property, nullptr);
    const Value before = property->get(*control);
    const double shownBefore = c.shown(*control->Widget());

    try {
        c.set(*control);
        ADD_FAILURE() << "no exception raised";
    } catch (const RaisedException& raised) {
        const auto* exception = dynamic_cast<const RuntimeException*>(raised.Exception().get());
        ASSERT_NE(exception, nullptr) << raised.what();
        const std::string expected = control->Class()->name + "." + c.property;
        EXPECT_NE(exception->Message().Bytes().find(expected), std::string::npos) << raised.what();
    }

    EXPECT_EQ(property->get(*control), before);
    EXPECT_EQ(c.shown(*control->Widget()), shownBefore);
}

INSTANTIATE_TEST_SUITE_P(Values, BadValueTest,
    ::testing::Values(BadValueCase { "stateThree", &NewDefault<CheckBox>, "State",
                          [](RectControl& c) { static_cast<CheckBox&>(c).SetState(3); },
                          [](QWidget& w) { return double(static_cast<QCheckBox&>(w).checkState()); } },
        BadValueCase { "stateNegative", &NewDefault<CheckBox>, "State",
            [](RectControl& c) { static_cast<CheckBox&>(c).SetState(-1); },
            [](QWidget& w) { return double(static_cast<QCheckBox&>(w).checkState()); } },
        BadValueCase { "lineSpacingZero", &NewDefault<TextArea>, "LineSpacing",
            [](RectControl& c) { static_cast<TextArea&>(c).SetLineSpacing(0); }, &FirstLineHeight },
        BadValueCase { "lineSpacingNegative", &NewDefault<TextArea>, "LineSpacing",
            [](RectControl& c) { static_cast<TextArea&>(c).SetLineSpacing(-1.5); }, &FirstLineHeight },
        BadValueCase { "lineSpacingNaN", &NewDefault<TextArea>, "LineSpacing",
            [](RectControl& c) { static_cast<TextArea&>(c).SetLineSpacing(std::numeric_limits<double>::quiet_NaN()); },
            &FirstLineHeight },
        BadValueCase { "lineSpacingInfinite", &NewDefault<TextArea>, "LineSpacing",
            [](RectControl& c) { static_cast<TextArea&>(c).SetLineSpacing(std::numeric_limits<double>::infinity()); },
            &FirstLineHeight },
        BadValueCase { "alignmentFour", &NewDefault<TextArea>, "Alignment",
            [](RectControl& c) { static_cast<TextArea&>(c).SetAlignment(4); }, &FirstAlignment },
        BadValueCase { "textAlignNegative", &NewDefault<Label>, "TextAlign",
            [](RectControl& c) { static_cast<Label&>(c).SetTextAlign(-1); },
            [](QWidget& w) { return double(static_cast<QLabel&>(w).alignment().toInt()); } },
        BadValueCase { "tickStyleFour", &NewDefault<Slider>, "TickStyle",
            [](RectControl& c) { static_cast<Slider&>(c).SetTickStyle(4); },
            [](QWidget& w) { return double(static_cast<QSlider&>(w).tickPosition()); } },
        BadValueCase { "lineStepNegative", &NewDefault<Slider>, "LineStep",
            [](RectControl& c) { static_cast<Slider&>(c).SetLineStep(-2); },
            [](QWidget& w) { return double(static_cast<QSlider&>(w).singleStep()); } }),
    RowName);

} // namespace
} // namespace fw::test
