#include "main_window.h"

#include <cassert>

namespace pwgen {
namespace {

ClassTable* window1Class = nullptr;

struct OwnMethod {
    MethodEntry entry;
    std::vector<std::string> parameterTypes;
    std::string resultType;
};

std::vector<OwnMethod> OwnMethods()
{
    using W = Window1;
    return {
        { MakeEntry("Layout", "()", &W::Layout), {}, "" },
        { MakeEntry("CreateControls", "()", &W::CreateControls), {}, "" },
        { MakeEntry("_CreateControls0", "()", &W::_CreateControls0), {}, "" },
        // Control accessors, in the order the controls are built.
        { MakeEntry("Generate", "() as PushButton", &W::Generate), {}, "PushButton" },
        { MakeEntry("UseCaps", "() as CheckBox", &W::UseCaps), {}, "CheckBox" },
        { MakeEntry("UseNumbers", "() as CheckBox", &W::UseNumbers), {}, "CheckBox" },
        { MakeEntry("UseSymbols", "() as CheckBox", &W::UseSymbols), {}, "CheckBox" },
        { MakeEntry("PassSize", "() as Slider", &W::PassSize), {}, "Slider" },
        { MakeEntry("Label1", "() as Label", &W::Label1), {}, "Label" },
        { MakeEntry("TextArea1", "() as TextArea", &W::TextArea1), {}, "TextArea" },
        // Control handlers.
        { MakeEntry("Generate_Action", "(PushButton)", &W::Generate_Action), { "PushButton" }, "" },
        { MakeEntry("UseCaps_Action", "(CheckBox)", &W::UseCaps_Action), { "CheckBox" }, "" },
        { MakeEntry("UseNumbers_Action", "(CheckBox)", &W::UseNumbers_Action), { "CheckBox" }, "" },
        { MakeEntry("UseSymbols_Action", "(CheckBox)", &W::UseSymbols_Action), { "CheckBox" }, "" },
        { MakeEntry("PassSize_ValueChanged", "(Slider)", &W::PassSize_ValueChanged), { "Slider" }, "" },
        // Menu-item accessors: the bar's tree from its last menu to its first,
        // each menu before its items, the items from last to first.
        { MakeEntry("EditMenu", "() as MenuItem", &W::EditMenu), {}, "MenuItem" },
        { MakeEntry("EditSelectAll", "() as MenuItem", &W::EditSelectAll), {}, "MenuItem" },
        { MakeEntry("EditSeparator2", "() as MenuItem", &W::EditSeparator2), {}, "MenuItem" },
        { MakeEntry("EditClear", "() as MenuItem", &W::EditClear), {}, "MenuItem" },
        { MakeEntry("EditPaste", "() as MenuItem", &W::EditPaste), {}, "MenuItem" },
        { MakeEntry("EditCopy", "() as MenuItem", &W::EditCopy), {}, "MenuItem" },
        { MakeEntry("EditCut", "() as MenuItem", &W::EditCut), {}, "MenuItem" },
        { MakeEntry("EditSeparator1", "() as MenuItem", &W::EditSeparator1), {}, "MenuItem" },
        { MakeEntry("EditUndo", "() as MenuItem", &W::EditUndo), {}, "MenuItem" },
        { MakeEntry("FileMenu", "() as MenuItem", &W::FileMenu), {}, "MenuItem" },
        { MakeEntry("FileQuit", "() as QuitMenuItem", &W::FileQuit), {}, "QuitMenuItem" },
        { MakeEntry("Event_Close", "()", &W::Event_Close), {}, "" },
    };
}

} // namespace

// Window1 adds methods, never data.
static_assert(sizeof(Window1) == sizeof(Window));

void Window1::__ctblinit()
{
    if (window1Class)
        return;
    const ClassTable* parent = Window::__Lookup();
    window1Class = RuntimeNewClass(parent);
    window1Class->name = ClassName;
    window1Class->instanceSize = parent->instanceSize;
    window1Class->factory = [] { return Ref<Object>(MakeRef<Window1>()); };

    MethodTable* methods = RuntimeNewVtableFromParent(window1Class);
    const std::vector<OwnMethod> own = OwnMethods();
    assert(own.size() == OwnMethodCount);
    for (const OwnMethod& method : own) {
        methods->Append(method.entry);
        AttributeTable attributes = PublicScope();
        if (method.entry.name == "_CreateControls0")
            attributes.push_back({ "Hidden", std::nullopt });
        window1Class->introspection.push_back(
            MakeIntrospectionEntry(method.entry, method.parameterTypes, method.resultType, std::move(attributes)));
    }
    assert(methods->Size() == Window::MethodCount + OwnMethodCount);

    window1Class->BindEvent("Layout", methods->Find("Layout")->thunk);
    window1Class->BindEvent("CreateControls", methods->Find("CreateControls")->thunk);
    window1Class->BindEvent("Close", methods->Find("Event_Close")->thunk);
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
