// The window's handlers, reached as a user reaches them: mouse clicks and
// key presses on the controls' widgets.
#include "program_fixture.h"
#include "row_name.h"

#include <QLabel>
#include <QTextDocument>
#include <QTextEdit>

#include <string>
#include <vector>

namespace pwgen {
namespace {

using namespace pwgen::testing;

class HandlersTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        SetClipboardText("before");
        Trace().Clear();
    }

    // The bounds of every pick since the last call, and clears the trace.
    std::vector<std::string> TakePickBounds()
    {
        std::vector<std::string> bounds = EntriesStartingWith(Trace().Entries(), "Random.InRange");
        Trace().Clear();
        return bounds;
    }

    static std::vector<std::string> OnePassword(std::size_t letterCount)
    {
        return std::vector<std::string>(200, "Random.InRange 1 " + std::to_string(letterCount));
    }
};

TEST_F(HandlersTest, GenerateCopiesTheNewPasswordAndSelectsItWhole)
{
    std::string previous = Password();
    for (int click = 1; click <= 2; ++click) {
        SCOPED_TRACE(click);
        ClickOn(*Window()->Generate());

        const std::string password = Password();
        EXPECT_EQ(TakePickBounds(), OnePassword(79));
        EXPECT_EQ(password.size(), 32u);
        EXPECT_NE(password, previous);
        EXPECT_EQ(ClipboardText(), password);
        const Ref<fw::TextArea> area = Window()->TextArea1();
        EXPECT_EQ(area->SelStart(), 0);
        EXPECT_EQ(area->SelLength(), fw::Len(area->Text()));
        EXPECT_EQ(qobject_cast<QTextEdit*>(area->Widget())->textCursor().selectedText().toStdString(), password);
        previous = password;
    }
}

TEST_F(HandlersTest, EachBoxRegeneratesFromTheBoxesNewStatesWithoutCopying)
{
    struct Step {
        Ref<fw::CheckBox> (Window1::*box)();
        bool caps, numbers, symbols;
    };
    // Down to the lower case alone, then capitals back.
    const Step steps[] = { { &Window1::UseCaps, false, true, true }, { &Window1::UseNumbers, false, false, true },
        { &Window1::UseSymbols, false, false, false }, { &Window1::UseCaps, true, false, false } };

    for (const Step& step : steps) {
        const Ref<fw::CheckBox> box = (*Window().*step.box)();
        SCOPED_TRACE(box->Name().Bytes());
        const std::string previous = Password();

        ClickOn(*box);

        const std::string allowed = AllowedLetters(step.caps, step.numbers, step.symbols);
        EXPECT_EQ(TakePickBounds(), OnePassword(allowed.size()));
        const std::string password = Password();
        EXPECT_EQ(password.size(), 32u);
        EXPECT_NE(password, previous);
        EXPECT_TRUE(AllCharactersIn(password, allowed)) << password;
        EXPECT_EQ(ClipboardText(), "before");
        EXPECT_EQ(Window()->TextArea1()->SelLength(), 0);
    }
    EXPECT_TRUE(AllCharactersIn(Password(), std::string(kLowerCase) + std::string(kCapitals)));
}

TEST_F(HandlersTest, SliderKeysRelabelAndRegenerateAtTheNewLengthWithoutCopying)
{
    struct Step {
        Qt::Key key;
        std::int32_t value;
    };
    // Back to 32 last: the label's text at start, now written by the handler.
    const Step steps[] = { { Qt::Key_End, 200 }, { Qt::Key_Home, 8 }, { Qt::Key_Right, 10 }, { Qt::Key_PageUp, 30 },
        { Qt::Key_Right, 32 } };
    const Ref<fw::Slider> slider = Window()->PassSize();
    // What the label showed each time the text area's text changed.
    std::vector<std::string> labelWhenShown;
    QObject scope;
    QObject::connect(qobject_cast<QTextEdit*>(Window()->TextArea1()->Widget())->document(),
        &QTextDocument::contentsChanged, &scope,
        [&] { labelWhenShown.push_back(qobject_cast<QLabel*>(Window()->Label1()->Widget())->text().toStdString()); });

    for (const Step& step : steps) {
        SCOPED_TRACE(step.value);
        labelWhenShown.clear();
        QTest::keyClick(slider->Widget(), step.key);

        const std::string label = std::to_string(step.value) + " chars long";
        EXPECT_EQ(slider->Value(), step.value);
        EXPECT_EQ(Window()->Label1()->Text().Bytes(), label);
        EXPECT_EQ(TakePickBounds(), OnePassword(79));
        EXPECT_EQ(fw::Len(Window()->TextArea1()->Text()), step.value);
        EXPECT_EQ(ClipboardText(), "before");
        // The label is rewritten before the new password is shown.
        ASSERT_FALSE(labelWhenShown.empty()) << "the text area did not change";
        EXPECT_EQ(labelWhenShown, std::vector<std::string>(labelWhenShown.size(), label));
    }
}

struct AfterPushCase {
    const char* name;
    void (*act)(Window1& window);
    friend void PrintTo(const AfterPushCase& row, std::ostream* os) { *os << row.name; }
};

class AfterPushTest : public HandlersTest, public ::testing::WithParamInterface<AfterPushCase> { };

TEST_P(AfterPushTest, NewPasswordLeavesTheClipboardAsItWasAndSelectsNothing)
{
    ClickOn(*Window()->Generate());
    const std::string pushed = Password();
    ASSERT_EQ(ClipboardText(), pushed);
    ASSERT_EQ(Window()->TextArea1()->SelLength(), fw::Len(fw::String(pushed)));

    GetParam().act(*Window());

    EXPECT_NE(Password(), pushed) << "no new password";
    EXPECT_EQ(ClipboardText(), pushed);
    EXPECT_EQ(Window()->TextArea1()->SelLength(), 0);
    EXPECT_FALSE(qobject_cast<QTextEdit*>(Window()->TextArea1()->Widget())->textCursor().hasSelection());
}

INSTANTIATE_TEST_SUITE_P(Actions, AfterPushTest,
    ::testing::Values(AfterPushCase { "useCaps", [](Window1& w) { ClickOn(*w.UseCaps()); } },
        AfterPushCase { "useNumbers", [](Window1& w) { ClickOn(*w.UseNumbers()); } },
        AfterPushCase { "useSymbols", [](Window1& w) { ClickOn(*w.UseSymbols()); } },
        AfterPushCase { "sliderKey", [](Window1& w) { QTest::keyClick(w.PassSize()->Widget(), Qt::Key_Left); } }),
    RowName);

} // namespace
} // namespace pwgen
