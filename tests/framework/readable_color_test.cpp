// The label's text colour under light, dark and mid-grey themes: what the
// user reads is the record's colour where it reads at 4.5:1 (the WCAG 2 level
// for body text) on the theme's background, and the theme's text otherwise.
#include "control_fixture.h"
#include "ui/label.h"
#include "ui/readable_color.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPalette>

#include <gtest/gtest.h>

#include <map>

namespace fw::test {
namespace {

QPalette Theme(const QColor& window, const QColor& windowText)
{
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, windowText);
    return palette;
}

const QColor kBlack(0, 0, 0);
const QColor kAdwaitaDarkWindow(0x35, 0x35, 0x35);
const QColor kAdwaitaDarkText(0xee, 0xee, 0xec);
const QColor kLightWindow(0xef, 0xef, 0xef);

struct ColorCase {
    const char* name;
    QColor window;
    QColor windowText;
    QColor wanted;
    QColor expected;
    friend void PrintTo(const ColorCase& row, std::ostream* os) { *os << row.name; }
};

// The expected colours follow from the WCAG ratios of the pairs, worked out
// by hand: black on #353535 is 1.7:1, on #777777 4.7:1, on #595959 3.0:1,
// #ff8080 on #353535 5.1:1.
const ColorCase kColorCases[] = {
    { "blackOnDark", kAdwaitaDarkWindow, kAdwaitaDarkText, kBlack, kAdwaitaDarkText },
    { "blackOnLight", kLightWindow, kBlack, kBlack, kBlack },
    { "blackOnReadableMidGrey", QColor(0x77, 0x77, 0x77), QColor(0xff, 0xff, 0xff), kBlack, kBlack },
    { "blackOnDarkMidGrey", QColor(0x59, 0x59, 0x59), QColor(0xff, 0xff, 0xff), kBlack, QColor(0xff, 0xff, 0xff) },
    { "whiteOnLight", kLightWindow, kBlack, QColor(0xff, 0xff, 0xff), kBlack },
    { "redOnDark", kAdwaitaDarkWindow, kAdwaitaDarkText, QColor(0xff, 0x80, 0x80), QColor(0xff, 0x80, 0x80) },
};

class ReadableColorTable : public ::testing::TestWithParam<ColorCase> { };

TEST_P(ReadableColorTable, DrawsTheRecordColourOnlyWhereItReads)
{
    const ColorCase& row = GetParam();
    EXPECT_EQ(ReadableTextColor(row.wanted, Theme(row.window, row.windowText)), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Themes, ReadableColorTable, ::testing::ValuesIn(kColorCases), RowName);

TEST(ContrastRatio, SpansOneToTwentyOne)
{
    EXPECT_DOUBLE_EQ(ContrastRatio(kBlack, QColor(0xff, 0xff, 0xff)), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(QColor(0xff, 0xff, 0xff), kBlack), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(kAdwaitaDarkWindow, kAdwaitaDarkWindow), 1.0);
}

// The label as the user sees it, drawn on the window's content under an
// application palette that the test sets and puts back.
class LabelUnderTheme : public ControlsTest {
protected:
    void SetUp() override
    {
        ControlsTest::SetUp();
        saved_ = QApplication::palette();
    }
    void TearDown() override
    {
        QApplication::setPalette(saved_);
        ControlsTest::TearDown();
    }

    static void SetTheme(const QColor& window, const QColor& windowText)
    {
        QApplication::setPalette(Theme(window, windowText));
        QApplication::processEvents();
    }

    Ref<Label> NewBlackLabel()
    {
        return NewControl<Label>(*window,
            Record()
                .Int("Left", 10)
                .Int("Top", 10)
                .Int("Width", 120)
                .Int("Height", 20)
                .Rgb("TextColor", { 0, 0, 0 })
                .Str("Text", "32 chars long"));
    }

    // The contrast of the text pixel furthest from the background (the
    // commonest colour) against it, in the label's rectangle of the content.
    double TextContrast(const Label& label) const
    {
        QApplication::processEvents();
        const QImage image = window->ContentWidget()->grab().toImage();
        std::map<QRgb, int> counts;
        const QRect box = label.Widget()->geometry();
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                ++counts[image.pixel(x, y)];
        const QRgb background = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
            return a.second < b.second;
        })->first;
        double best = 1.0;
        for (const auto& [pixel, count] : counts)
            best = std::max(best, ContrastRatio(QColor(pixel), QColor(background)));
        return best;
    }

private:
    QPalette saved_;
};

TEST_F(LabelUnderTheme, BlackTextReadsOnADarkTheme)
{
    SetTheme(kAdwaitaDarkWindow, kAdwaitaDarkText);
    const Ref<Label> label = NewBlackLabel();
    EXPECT_GE(TextContrast(*label), kReadableContrast);
    EXPECT_EQ(WidgetOf<QLabel>(*label).palette().color(QPalette::WindowText), kAdwaitaDarkText);
}

TEST_F(LabelUnderTheme, BlackTextStaysBlackOnALightTheme)
{
    SetTheme(kLightWindow, kBlack);
    const Ref<Label> label = NewBlackLabel();
    EXPECT_EQ(WidgetOf<QLabel>(*label).palette().color(QPalette::WindowText), kBlack);
    EXPECT_GE(TextContrast(*label), kReadableContrast);
}

TEST_F(LabelUnderTheme, FollowsAThemeChangeWhileRunning)
{
    SetTheme(kLightWindow, kBlack);
    const Ref<Label> label = NewBlackLabel();
    SetTheme(kAdwaitaDarkWindow, kAdwaitaDarkText);
    EXPECT_EQ(WidgetOf<QLabel>(*label).palette().color(QPalette::WindowText), kAdwaitaDarkText);
    EXPECT_GE(TextContrast(*label), kReadableContrast);
    SetTheme(kLightWindow, kBlack);
    EXPECT_EQ(WidgetOf<QLabel>(*label).palette().color(QPalette::WindowText), kBlack);
}

TEST_F(LabelUnderTheme, KeepsTheRecordColourOnTheWindowsOwnBackground)
{
    SetTheme(kLightWindow, kBlack);
    _SetProperties(window, Record().Rgb("BackColor", { 0x35, 0x35, 0x35 }).Bool("HasBackColor", true).Bytes());
    const Ref<Label> label = NewBlackLabel();
    EXPECT_EQ(WidgetOf<QLabel>(*label).palette().color(QPalette::WindowText), kBlack);
}

} // namespace
} // namespace fw::test
