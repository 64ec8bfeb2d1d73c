// Shows a menu tree as the menus of a Qt menu bar.
#pragma once

#include "runtime/object.h"
#include "text/string.h"

#include <QKeySequence>

class QMenuBar;

namespace fw {

class MenuBar;

// Makes `qtBar` show `bar` from now on, also after the tree changes.
void PresentMenuBarIn(QMenuBar& qtBar, const Ref<MenuBar>& bar);
// Rebuilds the Qt menus of `qtBar` from the tree, if it shows `bar`.
void BuildQtMenuBar(QMenuBar& qtBar, MenuBar& bar);

// "Cmd+Q" is the platform's primary modifier with Q (Ctrl+Q here); an empty
// text is no shortcut.
QKeySequence ShortcutFromText(const String& shortcut);

} // namespace fw
