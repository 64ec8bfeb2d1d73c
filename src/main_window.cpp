#include "main_window.h"

#include <cassert>

namespace pwgen {
namespace {

ClassTable* window1Class = nullptr;

std::vector<MethodRow> OwnMethods()
{
    using W = Window1;
    return {
        Method("Layout", &W::Layout),
        Method("CreateControls", &W::CreateControls),
        Hidden(Method("_CreateControls0", &W::_CreateControls0)),
        // Control accessors, in the order the controls are built.
        Method("Generate", &W::Generate),
        Method("UseCaps", &W::UseCaps),
        Method("UseNumbers", &W::UseNumbers),
        Method("UseSymbols", &W::UseSymbols),
        Method("PassSize", &W::PassSize),
        Method("Label1", &W::Label1),
        Method("TextArea1", &W::TextArea1),
        // Control handlers.
        Method("Generate_Action", &W::Generate_Action),
        Method("UseCaps_Action", &W::UseCaps_Action),
        Method("UseNumbers_Action", &W::UseNumbers_Action),
        Method("UseSymbols_Action", &W::UseSymbols_Action),
        Method("PassSize_ValueChanged", &W::PassSize_ValueChanged),
        // Menu-item accessors: the bar's tree from its last menu to its first,
        // each menu before its items, the items from last to first.
        Method("EditMenu", &W::EditMenu),
        Method("EditSelectAll", &W::EditSelectAll),
        Method("EditSeparator2", &W::EditSeparator2),
        Method("EditClear", &W::EditClear),
        Method("EditPaste", &W::EditPaste),
        Method("EditCopy", &W::EditCopy),
        Method("EditCut", &W::EditCut),
        Method("EditSeparator1", &W::EditSeparator1),
        Method("EditUndo", &W::EditUndo),
        Method("FileMenu", &W::FileMenu),
        Method("FileQuit", &W::FileQuit),
        Method("Event_Close", &W::Event_Close),
    };
}

} // namespace

// Window1 adds methods, never data.
static_assert(sizeof(Window1) == sizeof(Window));

void Window1::__ctblinit()
{
    if (window1Class)
        return;
    window1Class = NewClass<Window1>(Window::__Lookup(), ClassName);
    const std::vector<MethodRow> own = OwnMethods();
    assert(own.size() == OwnMethodCount);
    AddOwnMethods(*window1Class, own);

    window1Class->BindEvent("Layout", window1Class->RequireMethod("Layout").thunk);
    window1Class->BindEvent("CreateControls", window1Class->RequireMethod("CreateControls").thunk);
    window1Class->BindEvent("Close", window1Class->RequireMethod("Event_Close").thunk);
    window1Class->attributes = PublicScope();
}

const ClassTable* Window1::__Lookup()
{
    if (!window1Class)
        __ctblinit();
    return window1Class;
}

Ref<Window1> global::Window1()
{
    Ref<Window> window = _GetImplicitWindow(Window1::ClassName);
    if (!window) {
        window = RuntimeCheckCast<Window>(RuntimeNewObject(Window1::__Lookup()), Window::__Lookup());
        window->Constructor();
    }
    return RuntimeCheckCast<pwgen::Window1>(window, Window1::__Lookup());
}

} // namespace pwgen
