// What the user sees of the window and its seven controls once the window is
// built, read from the Qt widgets. Every expected value is the one the window's
// design gives (the property records), in the terms of what Qt shows.
#include "program_fixture.h"
#include "row_name.h"

#include <QCheckBox>
#include <QDebug>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <functional>
#include <string>
#include <vector>

namespace pwgen {
namespace {

using namespace pwgen::testing;

// The window's widgets, each control's found through the framework's
// register of controls under the name typed here.
struct Widgets {
    QMainWindow* window = nullptr;
    QWidget* content = nullptr;
    QPushButton* generate = nullptr;
    QCheckBox* useCaps = nullptr;
    QCheckBox* useNumbers = nullptr;
    QCheckBox* useSymbols = nullptr;
    QSlider* passSize = nullptr;
    QLabel* label1 = nullptr;
    QTextEdit* textArea1 = nullptr;

    bool AllFound() const
    {
        return window && content && generate && useCaps && useNumbers && useSymbols && passSize && label1 && textArea1;
    }
};

template <class W> W* ControlWidget(Window1& window, const char* name)
{
    const Ref<fw::Object> object = window._ControlByName(name);
    const auto* control = dynamic_cast<const fw::RectControl*>(object.get());
    return control ? qobject_cast<W*>(control->Widget()) : nullptr;
}

Widgets FindWidgets()
{
    const Ref<Window1> window = global::Window1();
    Widgets found;
    found.window = qobject_cast<QMainWindow*>(window->TopLevelWidget());
    found.content = window->ContentWidget();
    found.generate = ControlWidget<QPushButton>(*window, "Generate");
    found.useCaps = ControlWidget<QCheckBox>(*window, "UseCaps");
    found.useNumbers = ControlWidget<QCheckBox>(*window, "UseNumbers");
    found.useSymbols = ControlWidget<QCheckBox>(*window, "UseSymbols");
    found.passSize = ControlWidget<QSlider>(*window, "PassSize");
    found.label1 = ControlWidget<QLabel>(*window, "Label1");
    found.textArea1 = ControlWidget<QTextEdit>(*window, "TextArea1");
    return found;
}

std::string Describe(const QVariant& value)
{
    QString text;
    QDebug(&text).nospace() << value;
    return text.toStdString();
}

// How a control's font differs from the platform's default font ("System"),
// as a list; empty when it is that font, neither bold, italic nor underlined.
QStringList FontDifferences(const QWidget* widget)
{
    const QFont font = widget->font();
    const QFont platform = QGuiApplication::font();
    QStringList differences;
    if (font.family() != platform.family())
        differences << "family " + font.family();
    if (font.pointSizeF() != platform.pointSizeF())
        differences << "point size " + QString::number(font.pointSizeF());
    if (font.bold())
        differences << "bold";
    if (font.italic())
        differences << "italic";
    if (font.underline())
        differences << "underline";
    return differences;
}

QVariant HorizontalAlignment(Qt::Alignment alignment)
{
    return QVariant::fromValue(alignment & Qt::AlignHorizontal_Mask);
}

QVariant AlignedTo(Qt::AlignmentFlag flag) { return QVariant::fromValue(Qt::Alignment(flag)); }

QVariant HasFlag(const QWidget* window, Qt::WindowType flag) { return window->windowFlags().testFlag(flag); }

// The seven controls in the order Tab takes the focus through them.
QVariant FocusChain(const Widgets& w)
{
    const std::vector<std::pair<QWidget*, QString>> named = { { w.generate, "Generate" }, { w.useCaps, "UseCaps" },
        { w.useNumbers, "UseNumbers" }, { w.useSymbols, "UseSymbols" }, { w.passSize, "PassSize" },
        { w.label1, "Label1" }, { w.textArea1, "TextArea1" } };
    QStringList chain;
    QWidget* widget = w.generate;
    // The chain is a ring through every widget of the window.
    for (int step = 0; step < 1000 && widget; ++step) {
        for (const auto& [control, name] : named) {
            if (control == widget)
                chain << name;
        }
        widget = widget->nextInFocusChain();
        if (widget == w.generate)
            break;
    }
    return chain;
}

struct ShownCase {
    std::string name;
    std::function<QVariant(const Widgets&)> seen;
    QVariant expected;
    friend void PrintTo(const ShownCase& row, std::ostream* os) { *os << row.name; }
};

// What every control shows of its place and state.
struct ControlPlace {
    const char* name;
    std::function<QWidget*(const Widgets&)> widget;
    QRect geometry;
    // A label takes no keyboard focus, whatever its TabStop.
    bool tabStop;
    // All but the slider carry text in the "System" font.
    bool hasText;
};

std::vector<ShownCase> ControlRows(const ControlPlace& place)
{
    const auto row = [&](const char* what, QVariant expected, std::function<QVariant(const QWidget*)> seen) {
        return ShownCase { std::string(place.name) + "_" + what,
            [widget = place.widget, seen](const Widgets& w) { return seen(widget(w)); }, std::move(expected) };
    };
    std::vector<ShownCase> rows = {
        row("geometry", place.geometry, [](const QWidget* c) { return c->geometry(); }),
        row("inTheContentArea", "content", [](const QWidget* c) { return c->parentWidget()->objectName(); }),
        row("visible", true, [](const QWidget* c) { return c->isVisible(); }),
        row("enabled", true, [](const QWidget* c) { return c->isEnabled(); }),
        row("noToolTip", QString(), [](const QWidget* c) { return c->toolTip(); }),
    };
    if (place.tabStop)
        rows.push_back(row("tabStop", true, [](const QWidget* c) { return bool(c->focusPolicy() & Qt::TabFocus); }));
    if (place.hasText)
        rows.push_back(row("systemFont", QStringList(), [](const QWidget* c) { return FontDifferences(c); }));
    return rows;
}

std::vector<ShownCase> ShownRows()
{
    std::vector<ShownCase> rows = {
        // The window.
        { "window_title", [](const Widgets& w) { return w.window->windowTitle(); }, "Password Generator" },
        { "window_contentSize", [](const Widgets& w) { return w.content->size(); }, QSize(600, 209) },
        { "window_contentFixedSize",
            [](const Widgets& w) {
                return QVariantList { w.content->minimumSize(), w.content->maximumSize() };
            },
            QVariantList { QSize(600, 209), QSize(600, 209) } },
        { "window_notResizable", [](const Widgets& w) { return w.window->minimumSize() == w.window->maximumSize(); },
            true },
        { "window_visible", [](const Widgets& w) { return w.window->isVisible(); }, true },
        { "window_notFullScreen", [](const Widgets& w) { return w.window->isFullScreen(); }, false },
        { "window_menuBarShown",
            [](const Widgets& w) {
                const QMenuBar* bar = w.window->findChild<QMenuBar*>();
                return bar && bar->isVisible() && !bar->actions().isEmpty();
            },
            true },
        { "window_topLevelWithTitleBar",
            [](const Widgets& w) {
                return w.window->windowType() == Qt::Window && w.window->windowFlags().testFlag(Qt::WindowTitleHint);
            },
            true },
        { "window_closeButton", [](const Widgets& w) { return HasFlag(w.window, Qt::WindowCloseButtonHint); }, true },
        { "window_minimizeButton", [](const Widgets& w) { return HasFlag(w.window, Qt::WindowMinimizeButtonHint); },
            true },
        // MaximizeButton is on, but a window of fixed size cannot be maximised.
        { "window_noMaximizeButtonWhileFixedSize",
            [](const Widgets& w) { return HasFlag(w.window, Qt::WindowMaximizeButtonHint); }, false },
        { "window_noFullScreenButton",
            [](const Widgets& w) { return HasFlag(w.window, Qt::WindowFullscreenButtonHint); }, false },
        // HasBackColor is off: the content area keeps the platform's background.
        { "window_noBackColor", [](const Widgets& w) { return w.content->autoFillBackground(); }, false },
        { "window_tabOrder", FocusChain,
            QStringList { "Generate", "UseCaps", "UseNumbers", "UseSymbols", "PassSize", "Label1", "TextArea1" } },

        // The push button: the window's default button, not its cancel
        // button.
        { "Generate_caption", [](const Widgets& w) { return w.generate->text(); },
            "Generate password and copy to clipboard" },
        { "Generate_default", [](const Widgets& w) { return w.generate->isDefault(); }, true },
        { "Generate_returnKeyPressesIt",
            [](const Widgets& w) {
                SetClipboardText("before");
                QTest::keyClick(w.window, Qt::Key_Return);
                return ClipboardText() != "before" && ClipboardText() == w.textArea1->toPlainText().toStdString();
            },
            true },
        { "Generate_escapeKeyLeavesIt",
            [](const Widgets& w) {
                SetClipboardText("before");
                QTest::keyClick(w.window, Qt::Key_Escape);
                return QString::fromStdString(ClipboardText());
            },
            "before" },

        // The check boxes, all on.
        { "UseCaps_caption", [](const Widgets& w) { return w.useCaps->text(); }, "Use CAPS" },
        { "UseNumbers_caption", [](const Widgets& w) { return w.useNumbers->text(); }, "Use Numbers" },
        { "UseSymbols_caption", [](const Widgets& w) { return w.useSymbols->text(); }, "Use Symbols" },
        { "UseCaps_checked", [](const Widgets& w) { return QVariant::fromValue(w.useCaps->checkState()); },
            QVariant::fromValue(Qt::Checked) },
        { "UseNumbers_checked", [](const Widgets& w) { return QVariant::fromValue(w.useNumbers->checkState()); },
            QVariant::fromValue(Qt::Checked) },
        { "UseSymbols_checked", [](const Widgets& w) { return QVariant::fromValue(w.useSymbols->checkState()); },
            QVariant::fromValue(Qt::Checked) },

        // The slider: 32 within 8 to 200, moved by 2 and 20, tracking the drag.
        { "PassSize_horizontal", [](const Widgets& w) { return QVariant::fromValue(w.passSize->orientation()); },
            QVariant::fromValue(Qt::Horizontal) },
        { "PassSize_minimum", [](const Widgets& w) { return w.passSize->minimum(); }, 8 },
        { "PassSize_maximum", [](const Widgets& w) { return w.passSize->maximum(); }, 200 },
        { "PassSize_value", [](const Widgets& w) { return w.passSize->value(); }, 32 },
        { "PassSize_lineStep", [](const Widgets& w) { return w.passSize->singleStep(); }, 2 },
        { "PassSize_pageStep", [](const Widgets& w) { return w.passSize->pageStep(); }, 20 },
        { "PassSize_liveScroll", [](const Widgets& w) { return w.passSize->hasTracking(); }, true },
        // The label follows the handle while it is still held.
        { "PassSize_labelFollowsTheDrag",
            [](const Widgets& w) {
                w.passSize->setSliderDown(true);
                w.passSize->setSliderPosition(100);
                const QString during = w.label1->text();
                w.passSize->setSliderDown(false);
                return during;
            },
            "100 chars long" },
        { "PassSize_noTicks", [](const Widgets& w) { return QVariant::fromValue(w.passSize->tickPosition()); },
            QVariant::fromValue(QSlider::NoTicks) },

        // The label: one line of black text at the left, not selectable.
        { "Label1_text", [](const Widgets& w) { return w.label1->text(); }, "32 chars long" },
        { "Label1_alignedLeft", [](const Widgets& w) { return HorizontalAlignment(w.label1->alignment()); },
            AlignedTo(Qt::AlignLeft) },
        { "Label1_singleLine", [](const Widgets& w) { return w.label1->wordWrap(); }, false },
        { "Label1_textBlack", [](const Widgets& w) { return w.label1->palette().color(QPalette::WindowText); },
            QColor(Qt::black) },
        { "Label1_notSelectable",
            [](const Widgets& w) { return QVariant::fromValue(w.label1->textInteractionFlags()); },
            QVariant::fromValue(Qt::TextInteractionFlags(Qt::NoTextInteraction)) },

        // The text area: empty, editable, centred, wrapping black text on
        // white, with scroll bars when the text needs them.
        { "TextArea1_empty", [](const Widgets& w) { return w.textArea1->toPlainText(); }, QString() },
        { "TextArea1_editable", [](const Widgets& w) { return w.textArea1->isReadOnly(); }, false },
        { "TextArea1_centred", [](const Widgets& w) { return HorizontalAlignment(w.textArea1->alignment()); },
            AlignedTo(Qt::AlignHCenter) },
        { "TextArea1_wraps", [](const Widgets& w) { return QVariant::fromValue(w.textArea1->lineWrapMode()); },
            QVariant::fromValue(QTextEdit::WidgetWidth) },
        { "TextArea1_returnStartsANewLine",
            [](const Widgets& w) {
                QTest::keyClicks(w.textArea1, "ab");
                QTest::keyClick(w.textArea1, Qt::Key_Return);
                QTest::keyClicks(w.textArea1, "cd");
                return w.textArea1->toPlainText();
            },
            "ab\ncd" },
        { "TextArea1_verticalScrollBar",
            [](const Widgets& w) { return QVariant::fromValue(w.textArea1->verticalScrollBarPolicy()); },
            QVariant::fromValue(Qt::ScrollBarAsNeeded) },
        { "TextArea1_horizontalScrollBar",
            [](const Widgets& w) { return QVariant::fromValue(w.textArea1->horizontalScrollBarPolicy()); },
            QVariant::fromValue(Qt::ScrollBarAsNeeded) },
        { "TextArea1_tabLeavesIt", [](const Widgets& w) { return w.textArea1->tabChangesFocus(); }, true },
        { "TextArea1_border", [](const Widgets& w) { return w.textArea1->frameShape() != QFrame::NoFrame; }, true },
        { "TextArea1_textBlack", [](const Widgets& w) { return w.textArea1->palette().color(QPalette::Text); },
            QColor(Qt::black) },
        { "TextArea1_backgroundWhite", [](const Widgets& w) { return w.textArea1->palette().color(QPalette::Base); },
            QColor(Qt::white) },
    };

    const ControlPlace places[] = {
        { "Generate", [](const Widgets& w) { return w.generate; }, QRect(20, 149, 560, 47), true, true },
        { "UseCaps", [](const Widgets& w) { return w.useCaps; }, QRect(480, 21, 126, 24), true, true },
        { "UseNumbers", [](const Widgets& w) { return w.useNumbers; }, QRect(480, 53, 126, 24), true, true },
        { "UseSymbols", [](const Widgets& w) { return w.useSymbols; }, QRect(480, 85, 126, 24), true, true },
        { "PassSize", [](const Widgets& w) { return w.passSize; }, QRect(20, 117, 444, 27), true, false },
        { "Label1", [](const Widgets& w) { return w.label1; }, QRect(480, 117, 100, 20), false, true },
        { "TextArea1", [](const Widgets& w) { return w.textArea1; }, QRect(20, 20, 444, 89), true, true },
    };
    for (const ControlPlace& place : places) {
        for (ShownCase& row : ControlRows(place))
            rows.push_back(std::move(row));
    }
    return rows;
}

class WhatTheUserSeesTest : public ProgramTest, public ::testing::WithParamInterface<ShownCase> {
protected:
    // The window as its construction leaves it, before the first password.
    void SetUp() override { StartProgram(); }
};

TEST_P(WhatTheUserSeesTest, IsWhatTheWindowsDesignGives)
{
    const Widgets widgets = FindWidgets();
    ASSERT_TRUE(widgets.AllFound());

    const QVariant seen = GetParam().seen(widgets);

    EXPECT_TRUE(seen == GetParam().expected)
        << "seen " << Describe(seen) << ", expected " << Describe(GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Window, WhatTheUserSeesTest, ::testing::ValuesIn(ShownRows()), RowName);

// The first password, as the user finds it when the window opens.
class FirstPasswordTest : public ProgramTest { };

TEST_F(FirstPasswordTest, StandsCentredInTheTextArea)
{
    const Widgets widgets = FindWidgets();
    ASSERT_TRUE(widgets.AllFound());
    const QTextDocument* document = widgets.textArea1->document();

    ASSERT_EQ(widgets.textArea1->toPlainText().size(), 32);
    EXPECT_EQ(document->blockCount(), 1);
    EXPECT_EQ(document->firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

} // namespace
} // namespace pwgen
