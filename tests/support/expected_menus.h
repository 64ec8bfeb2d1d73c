// The application's menu bar as its design gives it: every menu and item in
// build order, with its class, text and keyboard shortcut. Typed here, never
// read from the program's menu bar (src/menu_bar.*), so that the tests that
// build the same menus and the tests of the program's bar compare against
// one table that the code under test did not write. Plain C++, with no
// GoogleTest and no framework types.
#pragma once

#include <string>
#include <string_view>

namespace test_support::menus {

enum class ItemClass { MenuItem, QuitMenuItem };

constexpr std::string_view ClassName(ItemClass itemClass)
{
    return itemClass == ItemClass::QuitMenuItem ? "QuitMenuItem" : "MenuItem";
}

struct MenuEntry {
    const char* name;
    ItemClass itemClass;
    // With "&" before the mnemonic letter; "-" for a separator.
    const char* text;
    // Null for an item whose shortcut is never set (the separators).
    const char* shortcut;
    // The menu it goes into; null for a menu, which goes onto the bar.
    const char* menu;
};

inline constexpr MenuEntry kMenuBar[] = {
    { "FileMenu", ItemClass::MenuItem, "&File", "", nullptr },
    { "FileQuit", ItemClass::QuitMenuItem, "&Quit", "Cmd+Q", "FileMenu" },
    { "EditMenu", ItemClass::MenuItem, "&Edit", "", nullptr },
    { "EditUndo", ItemClass::MenuItem, "&Undo", "Cmd+Z", "EditMenu" },
    { "EditSeparator1", ItemClass::MenuItem, "-", nullptr, "EditMenu" },
    { "EditCut", ItemClass::MenuItem, "Cu&t", "Cmd+X", "EditMenu" },
    { "EditCopy", ItemClass::MenuItem, "&Copy", "Cmd+C", "EditMenu" },
    { "EditPaste", ItemClass::MenuItem, "&Paste", "Cmd+V", "EditMenu" },
    { "EditClear", ItemClass::MenuItem, "&Delete", "", "EditMenu" },
    { "EditSeparator2", ItemClass::MenuItem, "-", nullptr, "EditMenu" },
    { "EditSelectAll", ItemClass::MenuItem, "Select &All", "Cmd+A", "EditMenu" },
};

constexpr bool IsSeparator(const MenuEntry& entry) { return std::string_view(entry.text) == "-"; }

// The shortcut as the user sees it on Linux: "Cmd" is the platform's primary
// modifier, Ctrl. Empty for none.
inline std::string ShownShortcut(const MenuEntry& entry)
{
    constexpr std::string_view kCmd = "Cmd+";
    const std::string_view shortcut = entry.shortcut ? entry.shortcut : "";
    if (shortcut.starts_with(kCmd))
        return "Ctrl+" + std::string(shortcut.substr(kCmd.size()));
    return std::string(shortcut);
}

} // namespace test_support::menus
