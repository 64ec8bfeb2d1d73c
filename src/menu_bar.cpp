#include "menu_bar.h"

#include <optional>
#include <span>
#include <string_view>

namespace pwgen {
namespace {

ClassTable* mainMenuBarClass = nullptr;
Ref<MainMenuBar> implicitInstance;

enum class ItemClass { Plain, Quit };

// One row of a menu's table. The first row of a table is the menu itself,
// appended to the bar; the others are appended to that menu.
struct MenuRow {
    const char* name;
    ItemClass itemClass;
    const char* text;
    // Unset for the separators: they never receive a shortcut.
    std::optional<std::string_view> shortcut;
};

constexpr MenuRow kFileMenu[] = {
    { "FileMenu", ItemClass::Plain, "&File", "" },
    { "FileQuit", ItemClass::Quit, "&Quit", "Cmd+Q" },
};

constexpr MenuRow kEditMenu[] = {
    { "EditMenu", ItemClass::Plain, "&Edit", "" },
    { "EditUndo", ItemClass::Plain, "&Undo", "Cmd+Z" },
    { "EditSeparator1", ItemClass::Plain, "-", std::nullopt },
    { "EditCut", ItemClass::Plain, "Cu&t", "Cmd+X" },
    { "EditCopy", ItemClass::Plain, "&Copy", "Cmd+C" },
    { "EditPaste", ItemClass::Plain, "&Paste", "Cmd+V" },
    { "EditClear", ItemClass::Plain, "&Delete", "" },
    { "EditSeparator2", ItemClass::Plain, "-", std::nullopt },
    { "EditSelectAll", ItemClass::Plain, "Select &All", "Cmd+A" },
};

const ClassTable* LookupItemClass(ItemClass itemClass)
{
    return itemClass == ItemClass::Quit ? QuitMenuItem::__Lookup() : MenuItem::__Lookup();
}

// Builds the rows in order: each item is created, constructed, given all its
// properties and only then attached. The menu is looked up on the bar anew for
// every item.
void BuildMenu(MainMenuBar& bar, std::span<const MenuRow> rows)
{
    const String menuName = rows.front().name;
    for (const MenuRow& row : rows) {
        const ClassTable* itemClass = LookupItemClass(row.itemClass);
        Ref<MenuItem> item = RuntimeCheckCast<MenuItem>(RuntimeNewObject(itemClass), itemClass);
        item->Constructor();
        item->SetName(row.name);
        item->SetAutoEnable(true);
        item->SetText(row.text);
        item->SetVisible(true);
        if (row.shortcut)
            item->SetKeyboardShortcut(String(*row.shortcut));

        if (&row == &rows.front()) {
            bar.Append(item);
        } else {
            Ref<MenuItem> menu = bar.Child(menuName);
            CheckNotNil(menu, "the menu to append to")->Append(item);
        }
    }
}

} // namespace

// The bar adds methods, never data.
static_assert(sizeof(MainMenuBar) == sizeof(MenuBar));

void MainMenuBar::Constructor()
{
    Untitled0();
    Untitled1();
}

void MainMenuBar::Untitled0() { BuildMenu(*this, kFileMenu); }
void MainMenuBar::Untitled1() { BuildMenu(*this, kEditMenu); }

void MainMenuBar::__ctblinit()
{
    if (mainMenuBarClass)
        return;
    mainMenuBarClass = NewClass<MainMenuBar>(MenuBar::__Lookup(), ClassName);
    // The bar's entries with its own Constructor in place of the base's, then
    // the two menu builders.
    const MethodRow own[] = {
        Method("Untitled0", &MainMenuBar::Untitled0),
        Method("Untitled1", &MainMenuBar::Untitled1),
        Method("Constructor", &MainMenuBar::Constructor, Slot::ReplaceParents),
    };
    AddOwnMethods(*mainMenuBarClass, own);
    mainMenuBarClass->attributes = PublicScope();
}

const ClassTable* MainMenuBar::__Lookup()
{
    if (!mainMenuBarClass)
        __ctblinit();
    return mainMenuBarClass;
}

void MainMenuBar_implicitInstance::__Init() { }

void MainMenuBar_implicitInstance::__Exit()
{
    Ref<pwgen::MainMenuBar> held = std::move(implicitInstance);
    implicitInstance.reset();
    held.reset();
}

const Ref<MainMenuBar>& MainMenuBar_implicitInstance::Held() { return implicitInstance; }

Ref<MainMenuBar> global::MainMenuBar()
{
    if (!implicitInstance) {
        const ClassTable* table = MainMenuBar::__Lookup();
        Ref<pwgen::MainMenuBar> bar = RuntimeCheckCast<pwgen::MainMenuBar>(RuntimeNewObject(table), table);
        // Stored only once built: a failed build leaves the global empty.
        bar->Constructor();
        implicitInstance = std::move(bar);
    }
    return implicitInstance;
}

} // namespace pwgen
