// Menus as the user sees them: texts with their mnemonics, separators,
// shortcuts with the platform's primary modifier, and hidden items.
#include "menu_fixture.h"

#include <string>
#include <vector>

namespace fw::test {
namespace {

// "title" for a menu, then "  text shortcut" for each of its entries, or
// "  ---" for a separator; the shortcut as the menu shows it.
std::vector<std::string> DescribeMenus(const QMenuBar& qtBar)
{
    std::vector<std::string> rows;
    for (const QAction* title : qtBar.actions()) {
        rows.push_back(title->text().toStdString());
        for (const QAction* action : title->menu() ? title->menu()->actions() : QList<QAction*> {}) {
            if (action->isSeparator()) {
                rows.push_back("  ---");
                continue;
            }
            const QString shortcut = action->shortcut().toString(QKeySequence::NativeText);
            rows.push_back(
                "  " + action->text().toStdString() + (shortcut.isEmpty() ? "" : " " + shortcut.toStdString()));
        }
    }
    return rows;
}

TEST_F(MenuTest, ShowsTextsWithTheirMnemonicsSeparatorsAndCtrlShortcuts)
{
    std::vector<std::string> expected;
    for (const test_support::menus::MenuEntry& entry : test_support::menus::kMenuBar) {
        const std::string shortcut = test_support::menus::ShownShortcut(entry);
        if (!entry.menu)
            expected.push_back(entry.text);
        else if (test_support::menus::IsSeparator(entry))
            expected.push_back("  ---");
        else
            expected.push_back("  " + std::string(entry.text) + (shortcut.empty() ? "" : " " + shortcut));
    }
    EXPECT_EQ(DescribeMenus(QtMenuBar()), expected);
}

TEST_F(MenuTest, EveryCmdLetterIsCtrlWithThatLetter)
{
    const Ref<MenuItem> keys = NewMenuItem({ PlainItem, "KeysMenu", "&Keys", "" });
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string name = std::string("Key") + letter;
        keys->Append(NewMenuItem({ PlainItem, name.c_str(), name.c_str(), ("Cmd+" + std::string(1, letter)).c_str() }));
    }
    bar->Append(keys);

    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        SCOPED_TRACE(letter);
        const QKeySequence shortcut = Action(QStringLiteral("Key") + QChar(letter)).shortcut();
        EXPECT_EQ(shortcut, QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_A + (letter - 'A'))))
            << shortcut.toString().toStdString();
    }
}

TEST_F(MenuTest, MnemonicLetterChoosesItsItemInTheOpenMenu)
{
    area->SetSelStart(0);
    area->SetSelLength(3);
    QMenu& edit = Menu("&Edit");
    Open(edit);

    QTest::keyClick(&edit, Qt::Key_T);

    EXPECT_FALSE(edit.isVisible());
    EXPECT_EQ(area->Text(), String("!pass")) << "Cu&t did not cut";
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Zq7"));
}

TEST_F(MenuTest, HiddenItemLeavesTheMenuUntilShownAgain)
{
    const Ref<MenuItem> copy = bar->_Lookup("EditCopy");
    ASSERT_NE(copy, nullptr);

    copy->SetVisible(false);
    EXPECT_EQ(FindAction("EditCopy"), nullptr);
    ASSERT_NE(FindAction("EditPaste"), nullptr);

    copy->SetVisible(true);
    const QList<QAction*> entries = Menu("&Edit").actions();
    ASSERT_EQ(entries.size(), 8);
    EXPECT_EQ(entries[3]->objectName(), QStringLiteral("EditCopy"));
    EXPECT_EQ(entries[3]->text(), QStringLiteral("&Copy"));
}

} // namespace
} // namespace fw::test
