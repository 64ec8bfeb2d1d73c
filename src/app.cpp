#include "app.h"

#include <cassert>

namespace pwgen {
namespace {

ClassTable* appClass = nullptr;

} // namespace

// App adds methods, never data.
static_assert(sizeof(App) == sizeof(Application));

void App::Constructor() { }

void App::__ctblinit()
{
    if (appClass)
        return;
    const ClassTable* parent = Application::__Lookup();
    appClass = RuntimeNewClass(parent);
    appClass->name = "App";
    appClass->instanceSize = parent->instanceSize;
    appClass->factory = [] { return Ref<Object>(MakeRef<App>()); };

    // Application's twelve entries, then App's own six.
    MethodTable* methods = RuntimeNewVtableFromParent(appClass);
    const MethodEntry own[] = {
        MakeEntry("Event_Open", "()", &App::Event_Open),
        MakeEntry("pickone", "(String) as String", &App::pickone),
        MakeEntry("assemble", "(String, Boolean)", &App::assemble),
        MakeEntry("copy_to_clipboard", "(String)", &App::copy_to_clipboard),
        MakeEntry("valid_letters", "() as String", &App::valid_letters),
        MakeEntry("Constructor", "()", &App::Constructor),
    };
    struct Types {
        std::vector<std::string> parameters;
        std::string result;
    };
    const Types types[] = { { {}, "" }, { { "String" }, "String" }, { { "String", "Boolean" }, "" },
        { { "String" }, "" }, { {}, "String" }, { {}, "" } };
    static_assert(std::size(own) == std::size(types));
    for (std::size_t i = 0; i < std::size(own); ++i) {
        methods->Append(own[i]);
        appClass->introspection.push_back(
            MakeIntrospectionEntry(own[i], types[i].parameters, types[i].result, PublicScope()));
    }
    assert(methods->Size() == Application::MethodCount + std::size(own));

    appClass->BindEvent("Open", methods->Find("Event_Open")->thunk);
}

const ClassTable* App::__Lookup()
{
    if (!appClass)
        __ctblinit();
    return appClass;
}

Ref<App> global::App() { return RuntimeCheckCast<pwgen::App>(getAppObject(), App::__Lookup()); }

} // namespace pwgen
