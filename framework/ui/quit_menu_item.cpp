#include "ui/quit_menu_item.h"

#include "runtime/method_row.h"
#include "runtime/trace.h"
#include "ui/runtime_host.h"

namespace fw {

bool QuitMenuItem::Event_Action() { return QuitMenuAction(RefTo<MenuItem>(*this)); }

bool QuitMenuAction(const Ref<MenuItem>& item)
{
    TraceCall("QuitMenuAction", [&] { return item ? item->Name().Bytes() : std::string(); });
    Quit(0);
    return true;
}

const ClassTable* QuitMenuItem::__Lookup()
{
    static const ClassTable* table = [] {
        ClassTable* t = NewClass<QuitMenuItem>(MenuItem::__Lookup(), "QuitMenuItem");
        const MethodRow rows[] = { Method("Event_Action", &QuitMenuItem::Event_Action) };
        AddFrameworkMethods(*t, rows);
        t->BindEvent("Action", t->RequireMethod("Event_Action").thunk);
        return t;
    }();
    return table;
}

} // namespace fw
