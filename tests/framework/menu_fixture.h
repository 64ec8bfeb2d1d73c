// What the menu tests share: a window whose menu bar is built with the
// framework's own calls from the application's menu table (a File menu with
// Quit, an Edit menu with the standard edit items), a text area in it that has the keyboard focus, and
// the Qt menus and actions that the user sees and chooses from.
#pragma once

#include "control_fixture.h"
#include "expected_menus.h"

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
#include <span>

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

// Appends each menu of `entries` to `bar` and each item to its menu, in
// order, as a program builds its menu bar.
inline void AppendMenus(MenuBar& bar, std::span<const test_support::menus::MenuEntry> entries)
{
    for (const test_support::menus::MenuEntry& entry : entries) {
        const MenuRow row { entry.itemClass == test_support::menus::ItemClass::QuitMenuItem ? QuitItem : PlainItem,
            entry.name, entry.text, entry.shortcut };
        if (entry.menu)
            bar.Child(entry.menu)->Append(NewMenuItem(row));
        else
            bar.Append(NewMenuItem(row));
    }
}

class MenuTest : public ControlsTest {
public:
    void SetUp() override
    {
        ControlsTest::SetUp();
        QGuiApplication::clipboard()->setText(kEarlierClipboard, QClipboard::Clipboard);

        bar = RuntimeCheckCast<MenuBar>(RuntimeNewObject(MenuBar::__Lookup()), MenuBar::__Lookup());
        AppendMenus(*bar, test_support::menus::kMenuBar);
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
