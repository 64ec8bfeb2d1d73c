// Window1 as its construction leaves it, before the application's Open
// event: the window, its seven controls and how they were built.
#include "program_fixture.h"
#include "row_name.h"

#include <QCheckBox>
#include <QSlider>

#include <string>
#include <vector>

namespace pwgen {
namespace {

using namespace pwgen::testing;

class WindowBeforeOpenTest : public ProgramTest {
protected:
    void SetUp() override { StartProgram(); }
};

TEST_F(WindowBeforeOpenTest, IsAFixedSizeWindowWithItsTitle)
{
    const Ref<Window1> window = Window();
    EXPECT_EQ(window->Title().Bytes(), "Password Generator");
    EXPECT_EQ(window->ContentWidget()->size(), QSize(600, 209));
    EXPECT_FALSE(window->Resizeable());
    EXPECT_TRUE(window->TopLevelWidget()->isVisible());
}

TEST_F(WindowBeforeOpenTest, RegistersTheSevenControlsInOrderUnderTheirOwnNames)
{
    std::vector<std::string> registered;
    for (const auto& [name, control] : Window()->Controls()) {
        registered.push_back(name.Bytes());
        EXPECT_EQ(control->Name(), name);
    }
    EXPECT_EQ(registered,
        (std::vector<std::string> {
            "Generate", "UseCaps", "UseNumbers", "UseSymbols", "PassSize", "Label1", "TextArea1" }));
}

TEST_F(WindowBeforeOpenTest, FetchesEachControlByNameForEveryStepAfterRegistering)
{
    EXPECT_EQ(EntriesStartingWith(Trace().Entries(), "Window._ControlByName"),
        (std::vector<std::string> { // Text unit, record, handler.
            "Window._ControlByName Generate", "Window._ControlByName Generate", "Window._ControlByName Generate",
            "Window._ControlByName UseCaps", "Window._ControlByName UseCaps", "Window._ControlByName UseCaps",
            "Window._ControlByName UseNumbers", "Window._ControlByName UseNumbers", "Window._ControlByName UseNumbers",
            "Window._ControlByName UseSymbols", "Window._ControlByName UseSymbols", "Window._ControlByName UseSymbols",
            // Record, handler.
            "Window._ControlByName PassSize", "Window._ControlByName PassSize",
            // Text unit, record.
            "Window._ControlByName Label1", "Window._ControlByName Label1",
            // Text unit, line spacing, record.
            "Window._ControlByName TextArea1", "Window._ControlByName TextArea1", "Window._ControlByName TextArea1" }));
}

TEST_F(WindowBeforeOpenTest, BuildingTheControlsRunsNoHandler)
{
    const std::vector<std::string>& entries = Trace().Entries();
    EXPECT_TRUE(EntriesStartingWith(entries, "Random.InRange").empty());
    EXPECT_TRUE(EntriesStartingWith(entries, "Clipboard").empty());
    EXPECT_EQ(Window()->Label1()->Text().Bytes(), "32 chars long");
    EXPECT_TRUE(Window()->TextArea1()->Text().IsEmpty());
    EXPECT_EQ(Window()->TextArea1()->LineSpacing(), 1.0);
}

TEST_F(WindowBeforeOpenTest, StartsWithEveryBoxCheckedAndTheSliderAt32Of8To200)
{
    for (const Ref<fw::CheckBox>& box : { Window()->UseCaps(), Window()->UseNumbers(), Window()->UseSymbols() }) {
        EXPECT_TRUE(box->Value()) << box->Name().Bytes();
        EXPECT_EQ(box->State(), fw::CheckBox::Checked) << box->Name().Bytes();
        EXPECT_TRUE(qobject_cast<QCheckBox*>(box->Widget())->isChecked()) << box->Name().Bytes();
    }

    const Ref<fw::Slider> slider = Window()->PassSize();
    const auto* bar = qobject_cast<QSlider*>(slider->Widget());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(std::vector<int>({ bar->minimum(), bar->maximum(), bar->value(), bar->singleStep(), bar->pageStep() }),
        std::vector<int>({ 8, 200, 32, 2, 20 }));
    EXPECT_EQ(std::vector<int>(
                  { slider->Minimum(), slider->Maximum(), slider->Value(), slider->LineStep(), slider->PageStep() }),
        std::vector<int>({ 8, 200, 32, 2, 20 }));
}

struct ControlCase {
    const char* name;
    const fw::ClassTable* (*controlClass)();
    std::int32_t tabIndex;
    QRect geometry;
    friend void PrintTo(const ControlCase& row, std::ostream* os) { *os << row.name; }
};

class ControlLayoutTest : public WindowBeforeOpenTest, public ::testing::WithParamInterface<ControlCase> { };

TEST_P(ControlLayoutTest, StandsAtItsPlaceInTheTabOrderAndTheContentArea)
{
    const ControlCase& c = GetParam();
    const Ref<fw::Object> object = Window()->_ControlByName(c.name);
    ASSERT_NE(object, nullptr);
    auto* control = dynamic_cast<fw::RectControl*>(object.get());
    ASSERT_NE(control, nullptr);

    EXPECT_EQ(control->Class(), c.controlClass());
    EXPECT_EQ(control->TabIndex(), c.tabIndex);
    EXPECT_EQ(QRect(control->Left(), control->Top(), control->Width(), control->Height()), c.geometry);
    ASSERT_NE(control->Widget(), nullptr);
    EXPECT_EQ(control->Widget()->geometry(), c.geometry);
    EXPECT_EQ(control->Widget()->parentWidget(), Window()->ContentWidget());
    EXPECT_TRUE(control->Visible() && control->Enabled() && control->TabStop());
    if (const auto* styled = dynamic_cast<fw::TextStyle*>(control)) {
        EXPECT_EQ(styled->TextUnit(), fw::FontUnit::Default);
        EXPECT_EQ(styled->TextFont().Bytes(), "System");
    }
}

INSTANTIATE_TEST_SUITE_P(Controls, ControlLayoutTest,
    ::testing::Values(ControlCase { "Generate", &fw::PushButton::__Lookup, 1, QRect(20, 149, 560, 47) },
        ControlCase { "UseCaps", &fw::CheckBox::__Lookup, 2, QRect(480, 21, 126, 24) },
        ControlCase { "UseNumbers", &fw::CheckBox::__Lookup, 3, QRect(480, 53, 126, 24) },
        ControlCase { "UseSymbols", &fw::CheckBox::__Lookup, 4, QRect(480, 85, 126, 24) },
        ControlCase { "PassSize", &fw::Slider::__Lookup, 5, QRect(20, 117, 444, 27) },
        ControlCase { "Label1", &fw::Label::__Lookup, 6, QRect(480, 117, 100, 20) },
        ControlCase { "TextArea1", &fw::TextArea::__Lookup, 7, QRect(20, 20, 444, 89) }),
    RowName);

} // namespace
} // namespace pwgen
