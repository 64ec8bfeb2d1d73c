// Window1's control accessors: each gives the control of its own name, and
// each check box, found as the user finds it by its caption, governs exactly
// its own character set.
#include "program_fixture.h"
#include "row_name.h"

#include <QCheckBox>

#include <string>
#include <string_view>

namespace pwgen {
namespace {

using namespace pwgen::testing;

struct AccessorCase {
    const char* name;
    Ref<fw::Control> (*get)(Window1&);
    const char* className;
    friend void PrintTo(const AccessorCase& row, std::ostream* os) { *os << row.name; }
};

class ControlAccessorTest : public ProgramTest, public ::testing::WithParamInterface<AccessorCase> { };

TEST_P(ControlAccessorTest, GivesTheControlOfItsOwnName)
{
    const AccessorCase& c = GetParam();
    const Ref<Window1> window = Window();

    const Ref<fw::Control> control = c.get(*window);

    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->Name().Bytes(), c.name);
    ASSERT_NE(control->Class(), nullptr);
    EXPECT_EQ(control->Class()->name, c.className);
    EXPECT_EQ(c.get(*window), control);
}

INSTANTIATE_TEST_SUITE_P(Controls, ControlAccessorTest,
    ::testing::Values(
        AccessorCase { "Generate", [](Window1& w) -> Ref<fw::Control> { return w.Generate(); }, "PushButton" },
        AccessorCase { "UseCaps", [](Window1& w) -> Ref<fw::Control> { return w.UseCaps(); }, "CheckBox" },
        AccessorCase { "UseNumbers", [](Window1& w) -> Ref<fw::Control> { return w.UseNumbers(); }, "CheckBox" },
        AccessorCase { "UseSymbols", [](Window1& w) -> Ref<fw::Control> { return w.UseSymbols(); }, "CheckBox" },
        AccessorCase { "PassSize", [](Window1& w) -> Ref<fw::Control> { return w.PassSize(); }, "Slider" },
        AccessorCase { "Label1", [](Window1& w) -> Ref<fw::Control> { return w.Label1(); }, "Label" },
        AccessorCase { "TextArea1", [](Window1& w) -> Ref<fw::Control> { return w.TextArea1(); }, "TextArea" }),
    RowName);

// A check box and the character set it governs.
struct BoxCase {
    const char* name;
    const char* caption;
    bool caps;
    bool numbers;
    bool symbols;
    friend void PrintTo(const BoxCase& row, std::ostream* os) { *os << row.name; }
};

enum class Start { AllOn, AllOff };

struct StartCase {
    const char* name;
    Start start;
    friend void PrintTo(const StartCase& row, std::ostream* os) { *os << row.name; }
};

constexpr const char* kCaptions[] = { "Use CAPS", "Use Numbers", "Use Symbols" };

// The check box that shows `caption`, as the user finds it on the window.
QCheckBox* BoxCaptioned(QWidget* content, const char* caption)
{
    QCheckBox* found = nullptr;
    for (QCheckBox* box : content->findChildren<QCheckBox*>()) {
        if (box->text() == QString::fromUtf8(caption)) {
            EXPECT_EQ(found, nullptr) << "two boxes read " << caption;
            found = box;
        }
    }
    return found;
}

class OneBoxTest : public ProgramTest, public ::testing::WithParamInterface<std::tuple<BoxCase, StartCase>> { };

TEST_P(OneBoxTest, SwitchesItsOwnCharacterSetAlone)
{
    const auto& [box, start] = GetParam();
    QWidget* content = Window()->ContentWidget();
    if (start.start == Start::AllOff) {
        for (const char* caption : kCaptions)
            ClickOn(BoxCaptioned(content, caption));
    }

    ClickOn(BoxCaptioned(content, box.caption));

    // From all on the box goes off alone; from all off it comes on alone.
    const bool switchedOn = start.start == Start::AllOff;
    const auto state = [switchedOn](bool governed) { return governed ? switchedOn : !switchedOn; };
    const std::string allowed = AllowedLetters(state(box.caps), state(box.numbers), state(box.symbols));
    EXPECT_EQ(global::App()->valid_letters().Bytes(), allowed);
    EXPECT_TRUE(AllCharactersIn(Password(), allowed)) << Password();
}

INSTANTIATE_TEST_SUITE_P(Boxes, OneBoxTest,
    ::testing::Combine(::testing::Values(BoxCase { "UseCaps", "Use CAPS", true, false, false },
                           BoxCase { "UseNumbers", "Use Numbers", false, true, false },
                           BoxCase { "UseSymbols", "Use Symbols", false, false, true }),
        ::testing::Values(StartCase { "fromAllOn", Start::AllOn }, StartCase { "fromAllOff", Start::AllOff })),
    RowName);

} // namespace
} // namespace pwgen
