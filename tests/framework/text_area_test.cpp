// The text area: selection in characters, paragraph format, Return, copies
// of its selection marked secret on the clipboard, and its alignment after
// the user's edits.
#include "control_fixture.h"
#include "row_name.h"

#include "ui/push_button.h"
#include "ui/secret_mime_data.h"
#include "ui/text_area.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMimeData>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include <cstddef>
#include <tuple>
#include <vector>

namespace fw::test {
namespace {

struct SelectionCase {
    const char* name;
    const char* text;
    std::int32_t start;
    std::int32_t length;
    const char* selected;
    std::int32_t selStart;
    std::int32_t selLength;
    friend void PrintTo(const SelectionCase& row, std::ostream* os) { *os << row.name; }
};

class SelectionTest : public ControlsTest, public ::testing::WithParamInterface<std::tuple<SelectionCase, Order>> { };

TEST_P(SelectionTest, SelectsCharactersFromTheStartClampedToTheText)
{
    const auto& [c, order] = GetParam();
    const Ref<TextArea> area = NewControl<TextArea>(*window, order, [&](TextArea& a) {
        a.SetText(c.text);
        a.SetSelStart(c.start);
        a.SetSelLength(c.length);
    });

    EXPECT_EQ(WidgetOf<QTextEdit>(*area).textCursor().selectedText().toStdString(), c.selected);
    EXPECT_EQ(area->SelStart(), c.selStart);
    EXPECT_EQ(area->SelLength(), c.selLength);
}

INSTANTIATE_TEST_SUITE_P(Selections, SelectionTest,
    ::testing::Combine(::testing::Values(SelectionCase { "wholeText", "Zq7!pass", 0, 8, "Zq7!pass", 0, 8 },
                           SelectionCase { "middle", "Zq7!pass", 2, 3, "7!p", 2, 3 },
                           SelectionCase { "startPastTheEnd", "Zq7!pass", 50, 2, "", 8, 0 },
                           SelectionCase { "lengthPastTheEnd", "Zq7!pass", 5, 100, "ass", 5, 3 },
                           SelectionCase { "negativeLength", "Zq7!pass", 3, -4, "", 3, 0 },
                           // Counted in characters, as Len counts: the emoji is one.
                           SelectionCase { "outsideTheBasicPlane",
                               "a\xF0\x9F\x98\x80"
                               "b\xE2\x82\xAC",
                               1, 2,
                               "\xF0\x9F\x98\x80"
                               "b",
                               1, 2 }),
        BothOrders),
    RowName);

TEST_F(ControlsTest, ParagraphFormatCoversTextSetLaterAndCannotBeUndone)
{
    const Ref<TextArea> area = NewControl<TextArea>(*window, Order::SetThenConstruct, [](TextArea& a) {
        a.SetAlignment(2);
        a.SetLineSpacing(1.5);
    });
    area->SetText("one\ntwo");
    const QTextEdit& widget = WidgetOf<QTextEdit>(*area);

    ASSERT_EQ(widget.document()->blockCount(), 2);
    for (QTextBlock block = widget.document()->begin(); block.isValid(); block = block.next()) {
        EXPECT_TRUE(block.blockFormat().alignment() & Qt::AlignHCenter) << block.text().toStdString();
        EXPECT_DOUBLE_EQ(block.blockFormat().lineHeight(), 150.0);
        EXPECT_EQ(block.blockFormat().lineHeightType(), QTextBlockFormat::ProportionalHeight);
    }
    EXPECT_FALSE(widget.document()->isUndoAvailable());
}

struct NewLineCase {
    const char* name;
    bool multiLine;
    const char* text;
    std::size_t defaultPresses;
    friend void PrintTo(const NewLineCase& row, std::ostream* os) { *os << row.name; }
};

class NewLineTest : public ControlsTest, public ::testing::WithParamInterface<NewLineCase> { };

TEST_P(NewLineTest, ReturnStartsALineOnlyInAMultiLineArea)
{
    const NewLineCase& c = GetParam();
    const Ref<PushButton> button = NewControl<PushButton>(*window, Record().Bool("Default", true));
    const Ref<Recorder> presses = Attach<PushButton, IndexOf(PushButton::Event::Action)>(button, &ReadNothing);
    const Ref<TextArea> area = NewControl<TextArea>(*window, Record().Str("Text", "ab").Bool("Multiline", c.multiLine));
    area->SetSelStart(1);

    QTest::keyClick(&WidgetOf<QTextEdit>(*area), Qt::Key_Return);

    EXPECT_EQ(area->Text(), String(c.text));
    EXPECT_EQ(presses->seen.size(), c.defaultPresses);
}

INSTANTIATE_TEST_SUITE_P(Areas, NewLineTest,
    ::testing::Values(NewLineCase { "multiLine", true, "a\nb", 0 }, NewLineCase { "singleLine", false, "ab", 1 }),
    RowName);

// A no-break space and a line break, both to be kept as they are.
constexpr char kSecretText[] = "s3\xC2\xA0"
                               "cret\npass";

struct CopyCase {
    const char* name;
    void (*copy)(QTextEdit& area);
    const char* textAfter;
    friend void PrintTo(const CopyCase& row, std::ostream* os) { *os << row.name; }
};

class TextAreaCopyTest : public ControlsTest, public ::testing::WithParamInterface<CopyCase> { };

TEST_P(TextAreaCopyTest, PutsTheSelectionOnTheClipboardMarkedSecret)
{
    const CopyCase& c = GetParam();
    QClipboard& clipboard = *QGuiApplication::clipboard();
    clipboard.setText("earlier", QClipboard::Clipboard);
    const Ref<TextArea> area = NewControl<TextArea>(*window, Record().Str("Text", kSecretText));
    area->SetSelStart(0);
    area->SetSelLength(8);

    c.copy(WidgetOf<QTextEdit>(*area));

    const QMimeData* data = clipboard.mimeData(QClipboard::Clipboard);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text().toStdString(),
        "s3\xC2\xA0"
        "cret\n");
    EXPECT_EQ(data->data(QString::fromLatin1(kPasswordManagerHintFormat)), QByteArray(kPasswordManagerHintSecret));
    EXPECT_EQ(area->Text(), String(c.textAfter));
}

INSTANTIATE_TEST_SUITE_P(Paths, TextAreaCopyTest,
    ::testing::Values(CopyCase { "copy", [](QTextEdit& area) { area.copy(); }, kSecretText },
        CopyCase {
            "ctrlC", [](QTextEdit& area) { QTest::keyClick(&area, Qt::Key_C, Qt::ControlModifier); }, kSecretText },
        CopyCase { "cut", [](QTextEdit& area) { area.cut(); }, "pass" }),
    RowName);

// The user's keys and mouse on the text area's widget.
void Press(QTextEdit& widget, QKeySequence::StandardKey key)
{
    const QKeyCombination combination = QKeySequence(key)[0];
    QTest::keyClick(&widget, combination.key(), combination.keyboardModifiers());
}

// Three clicks in a row on the first line select that line.
void TripleClickFirstLine(QTextEdit& widget)
{
    const QPoint onText = widget.cursorRect(QTextCursor(widget.document())).center();
    QTest::mouseDClick(widget.viewport(), Qt::LeftButton, {}, onText);
    QTest::mouseClick(widget.viewport(), Qt::LeftButton, {}, onText);
}

// The edits of the table below.
void TripleClickCutPaste(QTextEdit& widget)
{
    TripleClickFirstLine(widget);
    Press(widget, QKeySequence::Cut);
    Press(widget, QKeySequence::Paste);
}

void SelectAllCutPaste(QTextEdit& widget)
{
    Press(widget, QKeySequence::SelectAll);
    Press(widget, QKeySequence::Cut);
    Press(widget, QKeySequence::Paste);
}

void SelectAllPaste(QTextEdit& widget)
{
    Press(widget, QKeySequence::SelectAll);
    Press(widget, QKeySequence::Paste);
}

void TripleClickType(QTextEdit& widget)
{
    TripleClickFirstLine(widget);
    QTest::keyClicks(&widget, "typed");
}

void NewLineAtTheEnd(QTextEdit& widget)
{
    Press(widget, QKeySequence::MoveToEndOfDocument);
    QTest::keyClick(&widget, Qt::Key_Return);
    QTest::keyClicks(&widget, "more");
}

struct EditCase {
    const char* name;
    const char* clipboardText; // what another program copied before
    void (*edit)(QTextEdit& widget);
    const char* textAfter;
    std::size_t linesAfter;
    friend void PrintTo(const EditCase& row, std::ostream* os) { *os << row.name; }
};

struct AlignmentCase {
    const char* name;
    std::int32_t alignment;
    double roomLeftShare; // of the room beside a line's text, the part left of it
    friend void PrintTo(const AlignmentCase& row, std::ostream* os) { *os << row.name; }
};

// Where a line's text stands in its line box, in pixels.
struct LineRoom {
    double left;
    double right;
};

// Every line of the text as the document lays it out for painting.
std::vector<LineRoom> LinesRoom(const QTextEdit& widget)
{
    QTextDocument& document = *widget.document();
    document.documentLayout()->documentSize(); // lays out what is not yet
    std::vector<LineRoom> lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout& layout = *block.layout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            const QRectF text = line.naturalTextRect();
            lines.push_back({ text.left() - line.x(), line.x() + line.width() - text.right() });
        }
    }
    return lines;
}

// Fails for a line whose text stands more than a pixel away from where the
// alignment puts it.
void ExpectAligned(const std::vector<LineRoom>& lines, double roomLeftShare)
{
    for (const LineRoom& room : lines) {
        const double expectedLeft = roomLeftShare * (room.left + room.right);
        EXPECT_NEAR(room.left, expectedLeft, 1.0)
            << "a line's text has " << room.left << " px left of it and " << room.right << " px right of it";
    }
}

class TextAreaEditTest : public ControlsTest,
                         public ::testing::WithParamInterface<std::tuple<EditCase, AlignmentCase>> { };

TEST_P(TextAreaEditTest, AlignmentHoldsForTheTextAfterTheUsersEdits)
{
    const auto& [c, alignment] = GetParam();
    QGuiApplication::clipboard()->setText(QString::fromUtf8(c.clipboardText), QClipboard::Clipboard);
    const Ref<TextArea> area = NewControl<TextArea>(
        *window, Record().Int("Alignment", alignment.alignment).Int("Width", 444).Int("Height", 89));
    area->SetText("Zq7!pass");
    QTextEdit& widget = WidgetOf<QTextEdit>(*area);
    ExpectAligned(LinesRoom(widget), alignment.roomLeftShare);

    c.edit(widget);

    ASSERT_EQ(area->Text(), String(c.textAfter));
    const std::vector<LineRoom> lines = LinesRoom(widget);
    ASSERT_EQ(lines.size(), c.linesAfter);
    ExpectAligned(lines, alignment.roomLeftShare);
}

INSTANTIATE_TEST_SUITE_P(Edits, TextAreaEditTest,
    ::testing::Combine(::testing::Values(EditCase { "tripleClickCutPaste", "", &TripleClickCutPaste, "Zq7!pass", 1 },
                           EditCase { "selectAllCutPaste", "", &SelectAllCutPaste, "Zq7!pass", 1 },
                           EditCase { "pasteLines", "one\ntwo\nthree", &SelectAllPaste, "one\ntwo\nthree", 3 },
                           EditCase { "tripleClickType", "", &TripleClickType, "typed", 1 },
                           EditCase { "newLineAtTheEnd", "", &NewLineAtTheEnd, "Zq7!pass\nmore", 2 }),
        ::testing::Values(
            AlignmentCase { "left", 1, 0.0 }, AlignmentCase { "centre", 2, 0.5 }, AlignmentCase { "right", 3, 1.0 })),
    RowName);

} // namespace
} // namespace fw::test
