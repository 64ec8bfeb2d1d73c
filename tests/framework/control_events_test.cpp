// The user's actions on the push button, the check box and the slider raise
// their events once, with the control already showing the result; values
// set from code raise nothing. Actions through an assistive technology (a
// screen reader's Toggle, a new value) go through Qt's accessibility
// interfaces, not clicks, and count the same.
#include "control_fixture.h"
#include "row_name.h"

#include "ui/check_box.h"
#include "ui/push_button.h"
#include "ui/slider.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <QCheckBox>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

namespace fw::test {
namespace {

TEST_F(ControlsTest, ClickOnThePushButtonRaisesActionOnce)
{
    const Ref<PushButton> button = NewControl<PushButton>(*window, Record().Str("Caption", "Go"));
    const Ref<Recorder> recorder = Attach<PushButton, IndexOf(PushButton::Event::Action)>(button, &ReadNothing);

    QTest::mouseClick(&WidgetOf<QPushButton>(*button), Qt::LeftButton);
    button->SetCaption("Again");
    button->SetDefault(true);

    EXPECT_EQ(recorder->seen.size(), 1u);
}

TEST_F(ControlsTest, ReturnPressesTheDefaultButtonAndEscapeTheCancelButton)
{
    const Ref<PushButton> plain = NewControl<PushButton>(*window);
    const Ref<PushButton> ok = NewControl<PushButton>(*window, Record().Bool("Default", true));
    const Ref<PushButton> cancel = NewControl<PushButton>(*window, Record().Bool("Cancel", true));
    const Ref<Recorder> plainCalls = Attach<PushButton, IndexOf(PushButton::Event::Action)>(plain, &ReadNothing);
    const Ref<Recorder> okCalls = Attach<PushButton, IndexOf(PushButton::Event::Action)>(ok, &ReadNothing);
    const Ref<Recorder> cancelCalls = Attach<PushButton, IndexOf(PushButton::Event::Action)>(cancel, &ReadNothing);

    QTest::keyClick(window->TopLevelWidget(), Qt::Key_Return);
    EXPECT_EQ(okCalls->seen.size(), 1u);
    EXPECT_EQ(cancelCalls->seen.size(), 0u);

    QTest::keyClick(window->TopLevelWidget(), Qt::Key_Escape);
    EXPECT_EQ(okCalls->seen.size(), 1u);
    EXPECT_EQ(cancelCalls->seen.size(), 1u);
    EXPECT_EQ(plainCalls->seen.size(), 0u);
}

struct CheckClickCase {
    const char* name;
    std::int32_t start;
    std::vector<std::int32_t> afterEachClick;
    friend void PrintTo(const CheckClickCase& row, std::ostream* os) { *os << row.name; }
};

class CheckBoxClickTest : public ControlsTest, public ::testing::WithParamInterface<CheckClickCase> { };

QPoint IndicatorCentre(QCheckBox& box)
{
    QStyleOptionButton option;
    option.initFrom(&box);
    return box.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &box).center();
}

// The handler sees the new state, in the control and on the screen.
std::int32_t ReadCheckBox(Control& control)
{
    auto& box = static_cast<CheckBox&>(control);
    EXPECT_EQ(WidgetOf<QCheckBox>(box).isChecked(), box.Value());
    return box.State();
}

TEST_P(CheckBoxClickTest, EachClickTogglesThenRaisesActionOnce)
{
    const CheckClickCase& c = GetParam();
    const Ref<CheckBox> box = NewControl<CheckBox>(*window, Record().Str("Caption", "Use CAPS").Int("State", c.start));
    const Ref<Recorder> recorder = Attach<CheckBox, IndexOf(CheckBox::Event::Action)>(box, &ReadCheckBox);
    QCheckBox& widget = WidgetOf<QCheckBox>(*box);

    for (std::size_t i = 0; i < c.afterEachClick.size(); ++i)
        QTest::mouseClick(&widget, Qt::LeftButton, {}, IndicatorCentre(widget));
    EXPECT_EQ(recorder->seen, c.afterEachClick);

    box->SetValue(!box->Value());
    box->SetState(CheckBox::Indeterminate);
    EXPECT_EQ(recorder->seen.size(), c.afterEachClick.size()) << "a setter raised Action";
}

INSTANTIATE_TEST_SUITE_P(Clicks, CheckBoxClickTest,
    ::testing::Values(
        CheckClickCase { "fromUnchecked", CheckBox::Unchecked, { CheckBox::Checked, CheckBox::Unchecked } },
        CheckClickCase { "fromChecked", CheckBox::Checked, { CheckBox::Unchecked, CheckBox::Checked } },
        // The user never makes a box indeterminate.
        CheckClickCase { "fromIndeterminate", CheckBox::Indeterminate,
            { CheckBox::Checked, CheckBox::Unchecked, CheckBox::Checked } }),
    RowName);

QAccessibleInterface& AccessibleOf(QWidget& widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
    if (!accessible)
        throw std::logic_error("the widget has no accessible interface");
    return *accessible;
}

class CheckBoxToggleTest : public CheckBoxClickTest { };

// AT-SPI's Toggle: QAbstractButton::toggle, with no click.
TEST_P(CheckBoxToggleTest, EachAssistiveToggleChangesTheBoxThenRaisesActionOnce)
{
    const CheckClickCase& c = GetParam();
    const Ref<CheckBox> box = NewControl<CheckBox>(*window, Record().Str("Caption", "Use CAPS").Int("State", c.start));
    const Ref<Recorder> recorder = Attach<CheckBox, IndexOf(CheckBox::Event::Action)>(box, &ReadCheckBox);
    QAccessibleActionInterface* actions = AccessibleOf(WidgetOf<QCheckBox>(*box)).actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));

    for (std::size_t i = 0; i < c.afterEachClick.size(); ++i)
        actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(recorder->seen, c.afterEachClick);
}

INSTANTIATE_TEST_SUITE_P(Toggles, CheckBoxToggleTest,
    ::testing::Values(
        CheckClickCase { "fromUnchecked", CheckBox::Unchecked, { CheckBox::Checked, CheckBox::Unchecked } },
        CheckClickCase { "fromChecked", CheckBox::Checked, { CheckBox::Unchecked, CheckBox::Checked } },
        // Toggle takes an indeterminate box, which reads as checked, to unchecked.
        CheckClickCase { "fromIndeterminate", CheckBox::Indeterminate, { CheckBox::Unchecked, CheckBox::Checked } }),
    RowName);

Record PassSize(bool liveScroll)
{
    return Record()
        .Bool("LiveScroll", liveScroll)
        .Int("PageStep", 20)
        .Int("LineStep", 2)
        .Int("Maximum", 200)
        .Int("Value", 32)
        .Int("Minimum", 8);
}

std::int32_t ReadSlider(Control& control) { return static_cast<Slider&>(control).Value(); }

struct SliderKeyCase {
    const char* name;
    Qt::Key key;
    std::int32_t expected;
    friend void PrintTo(const SliderKeyCase& row, std::ostream* os) { *os << row.name; }
};

class SliderKeyTest : public ControlsTest, public ::testing::WithParamInterface<SliderKeyCase> { };

TEST_P(SliderKeyTest, RaisesValueChangedOnceWithTheNewValue)
{
    const SliderKeyCase& c = GetParam();
    const Ref<Slider> slider = NewControl<Slider>(*window, PassSize(true));
    const Ref<Recorder> recorder = Attach<Slider, IndexOf(Slider::Event::ValueChanged)>(slider, &ReadSlider);

    QTest::keyClick(&WidgetOf<QSlider>(*slider), c.key);

    EXPECT_EQ(recorder->seen, std::vector<std::int32_t> { c.expected });
    EXPECT_EQ(slider->Value(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, SliderKeyTest,
    ::testing::Values(SliderKeyCase { "right", Qt::Key_Right, 34 }, SliderKeyCase { "left", Qt::Key_Left, 30 },
        SliderKeyCase { "pageUp", Qt::Key_PageUp, 52 }, SliderKeyCase { "pageDown", Qt::Key_PageDown, 12 },
        SliderKeyCase { "end", Qt::Key_End, 200 }, SliderKeyCase { "home", Qt::Key_Home, 8 }),
    RowName);

struct SliderDragCase {
    const char* name;
    bool liveScroll;
    std::vector<std::int32_t> reported;
    friend void PrintTo(const SliderDragCase& row, std::ostream* os) { *os << row.name; }
};

class SliderDragTest : public ControlsTest, public ::testing::WithParamInterface<SliderDragCase> { };

// Moves the handle as the slider's own mouse handling does: pressed, moved
// through the positions, released.
TEST_P(SliderDragTest, ReportsEveryMoveOnlyWhenLive)
{
    const SliderDragCase& c = GetParam();
    const Ref<Slider> slider = NewControl<Slider>(*window, PassSize(c.liveScroll));
    const Ref<Recorder> recorder = Attach<Slider, IndexOf(Slider::Event::ValueChanged)>(slider, &ReadSlider);
    QSlider& bar = WidgetOf<QSlider>(*slider);

    bar.setSliderDown(true);
    for (int position : { 40, 60, 80 })
        bar.setSliderPosition(position);
    EXPECT_EQ(slider->Value(), c.liveScroll ? 80 : 32) << "while the handle is held";
    bar.setSliderDown(false);

    EXPECT_EQ(recorder->seen, c.reported);
    EXPECT_EQ(slider->Value(), 80);
}

INSTANTIATE_TEST_SUITE_P(Drags, SliderDragTest,
    ::testing::Values(SliderDragCase { "live", true, { 40, 60, 80 } }, SliderDragCase { "onRelease", false, { 80 } }),
    RowName);

TEST_F(ControlsTest, ANewSliderValueFromAnAssistiveTechnologyRaisesValueChangedOnce)
{
    const Ref<Slider> slider = NewControl<Slider>(*window, PassSize(true));
    const Ref<Recorder> recorder = Attach<Slider, IndexOf(Slider::Event::ValueChanged)>(slider, &ReadSlider);
    QAccessibleValueInterface* value = AccessibleOf(WidgetOf<QSlider>(*slider)).valueInterface();
    ASSERT_NE(value, nullptr);

    value->setCurrentValue(100);

    EXPECT_EQ(recorder->seen, std::vector<std::int32_t> { 100 });
    EXPECT_EQ(slider->Value(), 100);
}

TEST_F(ControlsTest, SliderValuesFromCodeStayInTheRangeAndRaiseNothing)
{
    const Ref<Slider> slider = NewControl<Slider>(*window, PassSize(true));
    const Ref<Recorder> recorder = Attach<Slider, IndexOf(Slider::Event::ValueChanged)>(slider, &ReadSlider);
    const QSlider& bar = WidgetOf<QSlider>(*slider);

    slider->SetValue(500);
    EXPECT_EQ(slider->Value(), 200);
    slider->SetValue(-3);
    EXPECT_EQ(slider->Value(), 8);
    slider->SetMinimum(50);
    EXPECT_EQ(slider->Value(), 50);
    slider->SetMaximum(40);
    EXPECT_EQ(slider->Minimum(), 40);
    EXPECT_EQ(slider->Value(), 40);

    EXPECT_EQ(bar.value(), 40);
    EXPECT_EQ(bar.minimum(), 40);
    EXPECT_EQ(bar.maximum(), 40);
    EXPECT_TRUE(recorder->seen.empty());
}

} // namespace
} // namespace fw::test
