// What the menu tests share: a window whose menu bar is built with the
// framework's own calls (a File menu with Quit, an Edit menu with the
// standard edit items), a text area in it that has the keyboard focus, and
// the Qt menus and actions that the user sees and chooses from.
#pragma once

#include "control_fixture.h"

#include "ui/menu_bar.h"
#include "ui/quit_menu_item.h"
#include "ui/runtime_host.h"
#include "ui/text_area.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <functional>
#include <initializer_list>

namespace fw::test {

// The text area's text at the start of every test.
inline constexpr char kAreaText[] = "Zq7!pass";
// The clipboard's text at the start of every test, not marked secret.
inline constexpr char kEarlierClipboard[] = "earlier";

// One row of a menu: the item's class, name, text and keyboard shortcut
// (nullptr: never set, as for a separator).
struct MenuRow {
    const ClassTable* (*itemClass)();
    const char* name;
    const char* text;
    const char* shortcut;
};

inline const ClassTable* PlainItem() { return MenuItem::__Lookup(); }
inline const ClassTable* QuitItem() { return QuitMenuItem::__Lookup(); }

// A new item, made and set up the way a program builds its menus.
inline Ref<MenuItem> NewMenuItem(const MenuRow& row)
{
    const ClassTable* itemClass = row.itemClass();
    Ref<MenuItem> item = RuntimeCheckCast<MenuItem>(RuntimeNewObject(itemClass), itemClass);
    item->Constructor();
    item->SetName(row.name);
    item->SetText(row.text);
    if (row.shortcut)
        item->SetKeyboardShortcut(row.shortcut);
    return item;
}

// Appends a menu to `bar`, then its items to the menu.
inline void AppendMenu(MenuBar& bar, const MenuRow& menu, std::initializer_list<MenuRow> items)
{
    const Ref<MenuItem> shown = NewMenuItem(menu);
    bar.Append(shown);
    for (const MenuRow& item : items)
        shown->Append(NewMenuItem(item));
}

class MenuTest : public ControlsTest {
public:
    void SetUp() override
    {
        ControlsTest::SetUp();
        QGuiApplication::clipboard()->setText(kEarlierClipboard, QClipboard::Clipboard);

        bar = RuntimeCheckCast<MenuBar>(RuntimeNewObject(MenuBar::__Lookup()), MenuBar::__Lookup());
        AppendMenu(*bar, { PlainItem, "FileMenu", "&File", "" }, { { QuitItem, "FileQuit", "&Quit", "Cmd+Q" } });
        AppendMenu(*bar, { PlainItem, "EditMenu", "&Edit", "" },
            {
                { PlainItem, "EditUndo", "&Undo", "Cmd+Z" },
                { PlainItem, "EditSeparator1", "-", nullptr },
                { PlainItem, "EditCut", "Cu&t", "Cmd+X" },
                { PlainItem, "EditCopy", "&Copy", "Cmd+C" },
                { PlainItem, "EditPaste", "&Paste", "Cmd+V" },
                { PlainItem, "EditClear", "&Delete", "" },
                { PlainItem, "EditSeparator2", "-", nullptr },
                { PlainItem, "EditSelectAll", "Select &All", "Cmd+A" },
            });
        window->SetMenuBar(bar);
        area = NewControl<TextArea>(*window, Record().Str("Text", kAreaText));

        QWidget* top = window->TopLevelWidget();
        top->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(top));
        Editor().setFocus();
        ASSERT_EQ(QApplication::focusWidget(), &Editor());
    }

    // What the rows of a test reach.
    QTextEdit& Editor() const { return WidgetOf<QTextEdit>(*area); }
    QMenuBar& QtMenuBar() const { return *static_cast<QMainWindow*>(window->TopLevelWidget())->menuBar(); }

    // The menu shown on the bar under that title.
    QMenu& Menu(const QString& title) const
    {
        for (QAction* action : QtMenuBar().actions()) {
            if (action->menu() && action->text() == title)
                return *action->menu();
        }
        throw std::logic_error("no menu titled " + title.toStdString());
    }

    // The action shown for the item of that name, or nullptr.
    QAction* FindAction(const QString& itemName) const
    {
        for (QAction* title : QtMenuBar().actions()) {
            for (QAction* action : title->menu() ? title->menu()->actions() : QList<QAction*> {}) {
                if (action->objectName() == itemName)
                    return action;
            }
        }
        return nullptr;
    }

    QAction& Action(const QString& itemName) const
    {
        if (QAction* action = FindAction(itemName))
            return *action;
        throw std::logic_error("no action shown for " + itemName.toStdString());
    }

    // Opens the menu as a click on its title in the menu bar does.
    void Open(QMenu& menu) const
    {
        QTest::mouseClick(&QtMenuBar(), Qt::LeftButton, {}, QtMenuBar().actionGeometry(menu.menuAction()).center());
        ASSERT_TRUE(menu.isVisible()) << "the menu did not open";
    }

    // Chooses the action with a click on its entry in the open menu.
    static void Click(QMenu& menu, QAction& action)
    {
        QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(&action).center());
    }

    // Runs the framework's event loop with `duringLoop` as its first call,
    // and gives the exit status that the run time then reports. Should the
    // loop still run after `duringLoop`, it is ended with kStillRunning, so
    // that such a fault fails the test instead of hanging it.
    static constexpr std::int32_t kStillRunning = 99;
    static std::int32_t RunLoop(const std::function<void()>& duringLoop)
    {
        RuntimeInit();
        // A call still waiting when the loop ends dies with it.
        QObject scope;
        QTimer::singleShot(0, &scope, [&] {
            duringLoop();
            QTimer::singleShot(0, &scope, [] { Quit(kStillRunning); });
        });
        RuntimeRun();
        return RuntimeExit();
    }

protected:
    Ref<MenuBar> bar;
    Ref<TextArea> area;
};

} // namespace fw::test
