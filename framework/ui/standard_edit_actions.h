// The platform's standard edit actions, which the Edit menu's items perform
// on the focused text widget when the program gives them no handler of its
// own. Items are known by their names (EditUndo, EditCut, EditCopy,
// EditPaste, EditClear, EditSelectAll).
#pragma once

#include "text/string.h"

namespace fw {

bool IsStandardEditAction(const String& itemName);
// True when the focused widget can do the action now.
bool StandardEditActionAvailable(const String& itemName);
// Does the action on the focused widget; nothing when it cannot.
void RunStandardEditAction(const String& itemName);

} // namespace fw
