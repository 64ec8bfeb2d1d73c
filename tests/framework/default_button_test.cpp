// The window's default button keeps its default look wherever the focus is,
// and the keys press it as the user expects: Return from any control that does
// not take Return itself, Return or Space on the button itself, once.
#include "control_fixture.h"
#include "ui/check_box.h"
#include "ui/push_button.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace fw::test {
namespace {

class DefaultButtonTest : public ControlsTest {
protected:
    void SetUp() override
    {
        ControlsTest::SetUp();
        button = NewControl<PushButton>(*window, Record().Bool("Default", true).Str("Caption", "Generate"));
        box = NewControl<CheckBox>(*window, Record().Int("Top", 40).Str("Caption", "Use CAPS"));
        presses = Attach<PushButton, IndexOf(PushButton::Event::Action)>(button, &ReadNothing);
        QWidget* top = window->TopLevelWidget();
        top->show();
        top->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    }

    void Focus(const RectControl& control)
    {
        control.Widget()->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        ASSERT_TRUE(control.Widget()->hasFocus());
    }

    Ref<PushButton> button;
    Ref<CheckBox> box;
    Ref<Recorder> presses;
};

TEST_F(DefaultButtonTest, KeepsTheDefaultLookWhenTheFocusMovesOn)
{
    auto& widget = WidgetOf<QPushButton>(*button);
    Focus(*button);
    Focus(*box);
    EXPECT_TRUE(widget.isDefault());
    Focus(*button);
    Focus(*box);
    EXPECT_TRUE(widget.isDefault());
}

enum class FocusOn { Button, CheckBox };

struct KeyCase {
    const char* name;
    FocusOn focus;
    Qt::Key key;
    friend void PrintTo(const KeyCase& row, std::ostream* os) { *os << row.name; }
};

const KeyCase kKeyCases[] = {
    { "returnOnCheckBox", FocusOn::CheckBox, Qt::Key_Return },
    { "enterOnCheckBox", FocusOn::CheckBox, Qt::Key_Enter },
    { "returnOnButton", FocusOn::Button, Qt::Key_Return },
    { "spaceOnButton", FocusOn::Button, Qt::Key_Space },
};

class DefaultButtonKeys : public DefaultButtonTest, public ::testing::WithParamInterface<KeyCase> { };

TEST_P(DefaultButtonKeys, PressTheButtonOnce)
{
    const KeyCase& row = GetParam();
    const RectControl& focused = row.focus == FocusOn::Button ? static_cast<RectControl&>(*button) : *box;
    Focus(focused);
    QTest::keyClick(focused.Widget(), row.key);
    QApplication::processEvents();
    EXPECT_EQ(presses->seen.size(), 1U);
}

INSTANTIATE_TEST_SUITE_P(Keys, DefaultButtonKeys, ::testing::ValuesIn(kKeyCases), RowName);

} // namespace
} // namespace fw::test
