// A menu item that quits the application when chosen.
#pragma once

#include "ui/menu_item.h"

namespace fw {

class QuitMenuItem : public MenuItem {
public:
    // Handles the item's own Action: hands the item to the quit action.
    virtual bool Event_Action();

    static const ClassTable* __Lookup();
};

// The framework's quit action for menu items: ends the event loop with
// status 0. Gives true: the choice was handled.
bool QuitMenuAction(const Ref<MenuItem>& item);

} // namespace fw
