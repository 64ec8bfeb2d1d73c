// The Edit menu's standard items on the focused text area: each is enabled
// when it can act and disabled when it cannot, and choosing it does its edit;
// what goes to the clipboard from the area is marked secret.
#include "menu_fixture.h"
#include "row_name.h"

#include "ui/secret_mime_data.h"

#include <QMimeData>

namespace fw::test {
namespace {

// States of the area and the clipboard, from the fixture's start.
void Unchanged(TextArea&, QTextEdit&) { }
void SelectFirstThree(TextArea& area, QTextEdit&)
{
    area.SetSelStart(0);
    area.SetSelLength(3);
}
void CursorAfterThree(TextArea& area, QTextEdit&) { area.SetSelStart(3); }
void TypeAtTheEnd(TextArea&, QTextEdit& editor)
{
    QTest::keyClick(&editor, Qt::Key_End);
    QTest::keyClicks(&editor, "X");
}
void EmptyText(TextArea& area, QTextEdit&) { area.SetText(""); }
void EmptyClipboard(TextArea&, QTextEdit&) { QGuiApplication::clipboard()->clear(QClipboard::Clipboard); }

struct EditCase {
    const char* name;
    const char* item;
    void (*canAct)(TextArea&, QTextEdit&);
    void (*cannotAct)(TextArea&, QTextEdit&);
    // After the item is chosen in the state `canAct` made:
    const char* text;
    const char* selected;
    const char* clipboard;
    bool clipboardMarkedSecret;
    friend void PrintTo(const EditCase& row, std::ostream* os) { *os << row.name; }
};

class EditItemTest : public MenuTest, public ::testing::WithParamInterface<EditCase> { };

TEST_P(EditItemTest, EnabledWhenItCanActAndDoesItsEditOnTheFocusedArea)
{
    const EditCase& c = GetParam();
    c.canAct(*area, Editor());
    QMenu& edit = Menu("&Edit");
    QAction& action = Action(c.item);
    // With the menu closed every item stays enabled, so its shortcut reaches
    // the focused widget.
    EXPECT_TRUE(action.isEnabled()) << "disabled while the menu is closed";

    Open(edit);
    EXPECT_TRUE(action.isEnabled()) << "disabled while it can act";
    Click(edit, action);

    EXPECT_EQ(Editor().toPlainText().toStdString(), c.text);
    EXPECT_EQ(Editor().textCursor().selectedText().toStdString(), c.selected);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text().toStdString(), c.clipboard);
    EXPECT_EQ(data->data(QString::fromLatin1(kPasswordManagerHintFormat)),
        c.clipboardMarkedSecret ? QByteArray(kPasswordManagerHintSecret) : QByteArray());
    EXPECT_EQ(QApplication::focusWidget(), &Editor());
}

TEST_P(EditItemTest, DisabledWhileTheMenuIsOpenIfItCannotAct)
{
    const EditCase& c = GetParam();
    c.cannotAct(*area, Editor());
    QMenu& edit = Menu("&Edit");
    QAction& action = Action(c.item);

    Open(edit);
    EXPECT_FALSE(action.isEnabled());
    edit.close();
    EXPECT_TRUE(action.isEnabled()) << "still disabled after the menu closed";
}

INSTANTIATE_TEST_SUITE_P(Items, EditItemTest,
    ::testing::Values(
        EditCase { "undo", "EditUndo", TypeAtTheEnd, Unchanged, "Zq7!pass", "", kEarlierClipboard, false },
        EditCase { "cut", "EditCut", SelectFirstThree, Unchanged, "!pass", "", "Zq7", true },
        EditCase { "copy", "EditCopy", SelectFirstThree, Unchanged, "Zq7!pass", "Zq7", "Zq7", true },
        EditCase {
            "paste", "EditPaste", CursorAfterThree, EmptyClipboard, "Zq7earlier!pass", "", kEarlierClipboard, false },
        EditCase { "delete", "EditClear", SelectFirstThree, Unchanged, "!pass", "", kEarlierClipboard, false },
        EditCase {
            "selectAll", "EditSelectAll", Unchanged, EmptyText, "Zq7!pass", "Zq7!pass", kEarlierClipboard, false }),
    RowName);

} // namespace
} // namespace fw::test
