#include "ui/quit_menu_item.h"

#include "runtime/thunk.h"
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
        MethodTable* m = t->methods;
        m->Append(MakeEntry("Event_Action", "() as Boolean", &QuitMenuItem::Event_Action));
        t->BindEvent("Action", t->RequireMethod("Event_Action").thunk);
        return t;
    }();
    return table;
}

} // namespace fw
