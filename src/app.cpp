#include "app.h"

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
    appClass = NewClass<App>(Application::__Lookup(), "App");
    // Application's twelve entries, then App's own six.
    const MethodRow own[] = {
        Method("Event_Open", &App::Event_Open),
        Method("pickone", &App::pickone),
        Method("assemble", &App::assemble),
        Method("copy_to_clipboard", &App::copy_to_clipboard),
        Method("valid_letters", &App::valid_letters),
        Method("Constructor", &App::Constructor),
    };
    AddOwnMethods(*appClass, own);
    appClass->BindEvent("Open", appClass->RequireMethod("Event_Open").thunk);
}

const ClassTable* App::__Lookup()
{
    if (!appClass)
        __ctblinit();
    return appClass;
}

Ref<App> global::App() { return RuntimeCheckCast<pwgen::App>(getAppObject(), App::__Lookup()); }

} // namespace pwgen
