// The generator, called directly: the allowed characters, the password's
// length and characters, the debug log of the picks, the clipboard, and the
// distribution of the picks.
#include "program_fixture.h"
#include "row_name.h"
#include "statistics.h"

#include "../support/stderr_capture.h"
#include "services/debug_log_testing.h"
#include "services/random_testing.h"
#include "ui/secret_mime_data.h"

#include <QMimeData>
#include <QTextEdit>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace pwgen {
namespace {

using namespace pwgen::testing;

constexpr int kPicksPerPassword = 200;

void SetBoxes(bool caps, bool numbers, bool symbols)
{
    global::Window1()->UseCaps()->SetValue(caps);
    global::Window1()->UseNumbers()->SetValue(numbers);
    global::Window1()->UseSymbols()->SetValue(symbols);
}

// A new password from the boxes' states, as the handlers make it.
void Assemble(bool copy)
{
    const Ref<App> app = global::App();
    app->assemble(app->valid_letters(), copy);
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

struct BoxesCase {
    const char* name;
    bool caps;
    bool numbers;
    bool symbols;
    std::int32_t length;
    friend void PrintTo(const BoxesCase& row, std::ostream* os) { *os << row.name; }
};

class ValidLettersTest : public ProgramTest, public ::testing::WithParamInterface<BoxesCase> { };

TEST_P(ValidLettersTest, AllowsLowerCaseAndWhatTheBoxesAddAndPicksFromAllOfThem)
{
    const BoxesCase& c = GetParam();
    SetBoxes(c.caps, c.numbers, c.symbols);

    const fw::String letters = global::App()->valid_letters();
    EXPECT_EQ(letters.Bytes(), AllowedLetters(c.caps, c.numbers, c.symbols));
    EXPECT_EQ(fw::Len(letters), c.length);

    Trace().Clear();
    global::App()->assemble(letters, false);
    EXPECT_EQ(EntriesStartingWith(Trace().Entries(), "Random.InRange"),
        std::vector<std::string>(kPicksPerPassword, "Random.InRange 1 " + std::to_string(c.length)));
    EXPECT_TRUE(AllCharactersIn(Password(), letters.Bytes())) << Password();
}

INSTANTIATE_TEST_SUITE_P(Boxes, ValidLettersTest,
    ::testing::Values(BoxesCase { "none", false, false, false, 26 }, BoxesCase { "caps", true, false, false, 52 },
        BoxesCase { "numbers", false, true, false, 36 }, BoxesCase { "symbols", false, false, true, 43 },
        BoxesCase { "capsNumbers", true, true, false, 62 }, BoxesCase { "capsSymbols", true, false, true, 69 },
        BoxesCase { "numbersSymbols", false, true, true, 53 }, BoxesCase { "all", true, true, true, 79 }),
    RowName);

using GeneratorTest = ProgramTest;

TEST_F(GeneratorTest, OpenShowsAPasswordOfTheSlidersLengthAndCopiesNothing)
{
    EXPECT_EQ(Password().size(), 32u);
    EXPECT_TRUE(AllCharactersIn(Password(), AllowedLetters(true, true, true))) << Password();
    EXPECT_TRUE(EntriesStartingWith(Trace().Entries(), "Clipboard").empty());
}

TEST_F(GeneratorTest, EverySliderValueGivesAPasswordOfExactlyThatLength)
{
    StopTrace();
    for (std::int32_t length = 8; length <= 200; ++length) {
        SCOPED_TRACE(length);
        // The box states cycle through all eight combinations.
        const bool caps = length & 1, numbers = length & 2, symbols = length & 4;
        SetBoxes(caps, numbers, symbols);
        const std::string before = Password();
        global::Window1()->PassSize()->SetValue(length);
        // Set from code: no handler makes a password.
        ASSERT_EQ(Password(), before);

        Assemble(false);

        const std::string password = Password();
        EXPECT_EQ(fw::Len(fw::String(password)), length);
        EXPECT_TRUE(AllCharactersIn(password, AllowedLetters(caps, numbers, symbols))) << password;
    }
    EXPECT_EQ(global::Window1()->Label1()->Text().Bytes(), "32 chars long");
}

TEST_F(GeneratorTest, TwoPasswordsDiffer)
{
    Assemble(false);
    const std::string first = Password();
    Assemble(false);
    EXPECT_NE(Password(), first);
}

TEST_F(GeneratorTest, WithoutCopyTheClipboardKeepsWhatItHad)
{
    SetClipboardText("kept");
    Assemble(false);
    EXPECT_EQ(ClipboardText(), "kept");
}

TEST_F(GeneratorTest, WithCopyTheClipboardHoldsTheShownPasswordMarkedSecret)
{
    SetClipboardText("replaced");
    Assemble(true);

    EXPECT_EQ(ClipboardText(), Password());
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->data(fw::kPasswordManagerHintFormat), QByteArray(fw::kPasswordManagerHintSecret));
}

TEST_F(GeneratorTest, WithCopyTheClipboardGetsThePasswordBeforeTheTextAreaShowsIt)
{
    const std::string previous = Password();
    const QTextEdit* area = qobject_cast<QTextEdit*>(global::Window1()->TextArea1()->Widget());
    ASSERT_NE(area, nullptr);
    // Each time the clipboard changes: what it then holds, and what the text
    // area then shows.
    std::vector<std::string> copied;
    std::vector<std::string> shownWhenCopied;
    QObject scope;
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, &scope, [&] {
        copied.push_back(ClipboardText());
        shownWhenCopied.push_back(area->toPlainText().toStdString());
    });

    Assemble(true);

    EXPECT_EQ(copied, std::vector<std::string> { Password() });
    EXPECT_EQ(shownWhenCopied, std::vector<std::string> { previous }) << "the text area showed the new password first";
}

struct DebugLogCase {
    const char* name;
    const char* rules;
    bool logged;
    std::int32_t sliderValue;
    friend void PrintTo(const DebugLogCase& row, std::ostream* os) { *os << row.name; }
};

class PickLogTest : public ProgramTest, public ::testing::WithParamInterface<DebugLogCase> { };

TEST_P(PickLogTest, LogsEveryPickIndexOnlyWhenTheCategoryIsOn)
{
    if (testsupport::EnvironmentSetsLoggingRules())
        GTEST_SKIP() << "the environment sets Qt logging rules";
    global::Window1()->PassSize()->SetValue(GetParam().sliderValue);
    const fw::testing::ScopedDebugLogRules rules(GetParam().rules);
    testsupport::StderrRedirect stderrCapture;

    Assemble(false);

    const std::vector<std::string> lines = Lines(stderrCapture.Captured());
    EXPECT_EQ(Password().size(), static_cast<std::size_t>(GetParam().sliderValue));
    if (!GetParam().logged) {
        EXPECT_EQ(lines, std::vector<std::string> {});
        return;
    }
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kPicksPerPassword));
    const std::regex picked("([0-9]+)picked");
    for (const std::string& line : lines) {
        std::smatch match;
        ASSERT_TRUE(std::regex_match(line, match, picked)) << line;
        const int index = std::stoi(match[1]);
        EXPECT_TRUE(index >= 1 && index <= 79) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(Rules, PickLogTest,
    // 200 lines whatever the slider says: at its start, minimum and maximum.
    ::testing::Values(DebugLogCase { "off", "", false, 32 },
        DebugLogCase { "on", "framework.debuglog.debug=true", true, 32 },
        DebugLogCase { "onAtSlider8", "framework.debuglog.debug=true", true, 8 },
        DebugLogCase { "onAtSlider200", "framework.debuglog.debug=true", true, 200 }),
    RowName);

// The draws a test source made, in order.
std::vector<std::uint32_t> drawn;

std::uint32_t Recorded(std::uint32_t draw)
{
    drawn.push_back(draw);
    return draw;
}

struct SourceCase {
    const char* name;
    fw::RandomSource source;
    friend void PrintTo(const SourceCase& row, std::ostream* os) { *os << row.name; }
};

class ControlledSourceTest : public ProgramTest, public ::testing::WithParamInterface<SourceCase> { };

TEST_P(ControlledSourceTest, DrawOfIndexIPicksTheIthCharacter)
{
    drawn.clear();
    const fw::testing::ScopedRandomSource source(GetParam().source);
    const std::string letters = AllowedLetters(true, true, true);
    Trace().Clear();

    Assemble(false);

    ASSERT_EQ(drawn.size(), static_cast<std::size_t>(kPicksPerPassword));
    std::string expected;
    std::vector<std::string> logged;
    for (const std::uint32_t draw : drawn) {
        // The source draws an offset from 0; the index counts from 1.
        expected += letters.at(draw);
        logged.push_back("DebugLog " + std::to_string(draw + 1) + "picked");
    }
    EXPECT_EQ(Password(), expected.substr(0, 32));
    EXPECT_EQ(EntriesStartingWith(Trace().Entries(), "DebugLog"), logged);
}

INSTANTIATE_TEST_SUITE_P(Sources, ControlledSourceTest,
    ::testing::Values(SourceCase { "lowest", [](std::uint32_t) { return Recorded(0); } },
        SourceCase { "highest", [](std::uint32_t bound) { return Recorded(bound - 1); } },
        SourceCase { "counting",
            [](std::uint32_t bound) { return Recorded(static_cast<std::uint32_t>(drawn.size()) % bound); } }),
    RowName);

// Pearson's statistic of `picks` picks through App.pickone from all 79
// characters, against equal frequencies.
double ChiSquareOfPicks(int picks)
{
    const std::string letters = AllowedLetters(true, true, true);
    const fw::String pool(letters);
    std::array<long, 256> counts {};
    long invalid = 0;
    const Ref<App> app = global::App();
    for (int i = 0; i < picks; ++i) {
        const std::string pick = app->pickone(pool).Bytes();
        if (pick.size() == 1 && letters.find(pick[0]) != std::string::npos)
            ++counts[static_cast<unsigned char>(pick[0])];
        else
            ++invalid;
    }
    EXPECT_EQ(invalid, 0) << "picks that are not one allowed character";
    std::vector<long> perLetter;
    for (const char c : letters)
        perLetter.push_back(counts[static_cast<unsigned char>(c)]);
    return test_support::ChiSquareAgainstEqualChances(perLetter, picks);
}

// Rejected only once in a million runs of a fair source.
const double kCritical = test_support::ChiSquareCriticalValue(78, 1e-6);

class PickDistributionTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        // A million calls would fill the trace; the debug log stays off.
        StopTrace();
    }
};

TEST_F(PickDistributionTest, AMillionPicksAreUniformOverTheCharacters)
{
    EXPECT_LT(ChiSquareOfPicks(1'000'000), kCritical);
}

class BiasedSourceTest : public PickDistributionTest, public ::testing::WithParamInterface<SourceCase> { };

TEST_P(BiasedSourceTest, TheSameCheckRejectsIt)
{
    const fw::testing::ScopedRandomSource source(GetParam().source);
    EXPECT_GT(ChiSquareOfPicks(200'000), kCritical);
}

INSTANTIATE_TEST_SUITE_P(Sources, BiasedSourceTest,
    ::testing::Values(
        // A random byte reduced modulo the count: the first 256 % 79 offsets
        // come a third more often.
        SourceCase { "byteModulo", [](std::uint32_t bound) { return arc4random_uniform(256) % bound; } },
        // One draw in 200 is the first offset, whatever the generator says.
        SourceCase { "oneFavoured",
            [](std::uint32_t bound) { return arc4random_uniform(200) == 0 ? 0u : arc4random_uniform(bound); } }),
    RowName);

} // namespace
} // namespace pwgen
