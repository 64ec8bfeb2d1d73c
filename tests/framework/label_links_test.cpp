// Which control a label names for assistive technology, read as a screen
// reader reads it: the control's accessible name and its labelled-by relation.
#include "control_fixture.h"
#include "ui/check_box.h"
#include "ui/label.h"
#include "ui/slider.h"

#include <QAccessible>
#include <QRect>

#include <gtest/gtest.h>

#include <string>

namespace fw::test {
namespace {

std::string AccessibleName(const RectControl& control)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control.Widget());
    return accessible ? accessible->text(QAccessible::Name).toStdString() : "(not accessible)";
}

Record At(const QRect& box)
{
    return Record().Int("Left", box.left()).Int("Top", box.top()).Int("Width", box.width()).Int("Height", box.height());
}

// The window's own row: the slider at the left, its label to its right.
const QRect kSliderBox(20, 117, 444, 27);
const QRect kLabelBox(480, 117, 100, 20);

TEST_F(ControlsTest, TheLabelBesideTheSliderNamesIt)
{
    const Ref<Slider> slider = NewControl<Slider>(*window, At(kSliderBox));
    const Ref<Label> label = NewControl<Label>(*window, At(kLabelBox).Str("Text", "32 chars long"));
    EXPECT_EQ(AccessibleName(*slider), "32 chars long");
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(slider->Widget());
    const auto labelledBy = accessible->relations(QAccessible::Label);
    ASSERT_EQ(labelledBy.size(), 1);
    EXPECT_EQ(labelledBy.front().first->object(), label->Widget());

    label->SetText("100 chars long");
    EXPECT_EQ(AccessibleName(*slider), "100 chars long");
}

struct PlaceCase {
    const char* name;
    QRect label;
    std::string sliderName; // what the slider at kSliderBox is called
    friend void PrintTo(const PlaceCase& row, std::ostream* os) { *os << row.name; }
};

const PlaceCase kPlaceCases[] = {
    { "toTheRight", kLabelBox, "Size" },
    { "toTheLeft", QRect(0, 120, 15, 20), "Size" },
    { "farOnTheRow", QRect(900, 130, 60, 14), "Size" },
    { "onTheRowAbove", QRect(480, 90, 100, 20), "" },
    { "onTheRowBelow", QRect(480, 145, 100, 20), "" },
    { "overTheSlider", QRect(100, 117, 100, 20), "" },
};

class LabelPlaces : public ControlsTest, public ::testing::WithParamInterface<PlaceCase> { };

TEST_P(LabelPlaces, NameTheSliderOnlyBesideItOnItsRow)
{
    const PlaceCase& row = GetParam();
    const Ref<Slider> slider = NewControl<Slider>(*window, At(kSliderBox));
    NewControl<Label>(*window, At(row.label).Str("Text", "Size"));
    EXPECT_EQ(AccessibleName(*slider), row.sliderName);
}

INSTANTIATE_TEST_SUITE_P(Rows, LabelPlaces, ::testing::ValuesIn(kPlaceCases), RowName);

TEST_F(ControlsTest, ALabelNamesOnlyTheNearerOfTwoSliders)
{
    const Ref<Slider> left = NewControl<Slider>(*window, At(QRect(20, 117, 200, 27)));
    const Ref<Slider> right = NewControl<Slider>(*window, At(QRect(330, 117, 200, 27)));
    NewControl<Label>(*window, At(QRect(240, 117, 80, 20)).Str("Text", "Size"));
    EXPECT_EQ(AccessibleName(*right), "Size");
    EXPECT_EQ(AccessibleName(*left), "");
}

TEST_F(ControlsTest, ACheckBoxKeepsItsCaptionAsItsName)
{
    const Ref<CheckBox> box = NewControl<CheckBox>(*window, At(QRect(20, 117, 150, 20)).Str("Caption", "Use CAPS"));
    NewControl<Label>(*window, At(QRect(180, 117, 100, 20)).Str("Text", "Size"));
    EXPECT_EQ(AccessibleName(*box), "Use CAPS");
}

} // namespace
} // namespace fw::test
