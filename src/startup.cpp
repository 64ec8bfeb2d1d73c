// The process from its entry to its exit, and the start-up steps.
#include "app.h"
#include "main_window.h"
#include "menu_bar.h"

#include <utility>

namespace pwgen {
namespace {

// Invoker for a routine of two pointer-sized arguments with an object
// result: the exception helper's signature.
Value InvokeExceptionHelper(const Delegate& delegate, std::span<const Value> arguments)
{
    const auto helper = delegate.RoutineAs<ExceptionHelper>();
    return Value(helper(std::get<RoutineEntry>(arguments[0]), std::get<Ptr>(arguments[1])));
}

// Class tables before objects: the program's set-ups run after the
// framework's, then the initialiser of the menu bar's global.
constexpr Initializer kInitializers[]
    = { &App::__ctblinit, &Window1::__ctblinit, &MainMenuBar::__ctblinit, &MainMenuBar_implicitInstance::__Init };
constexpr Initializer kFinalizers[] = { &MainMenuBar_implicitInstance::__Exit };

} // namespace

std::span<const Initializer> ProgramInitializers() { return kInitializers; }
std::span<const Initializer> ProgramFinalizers() { return kFinalizers; }

int main()
{
    RuntimeInit();
    RuntimePerformInitializers(kInitializers);
    _Main();
    RuntimePerformFinalizers(kFinalizers);
    return RuntimeExit();
}

void _Main()
{
    // The one catch-all of the program: whatever escapes start-up or the
    // event loop is reported, and the run ends as after a quit.
    try {
        Ref<Delegate> helper = RuntimeCreateDelegate(
            &InvokeExceptionHelper, &_CallFunctionWithExceptionHandling, nullptr, "( Ptr, Ptr ) as Object", 0);
        RuntimeSetExceptionHelper(helper->PlainEntry<ExceptionHelper>());
        helper.reset();

        _EarlyStartup();

        Ref<Delegate> lateStartup = RuntimeCreateDelegate(&invokers::NoArguments, &_LateStartup, nullptr, "(  )", 0);
        RunFrameworkInitialization(lateStartup->PlainEntry<LateStartup>());
        lateStartup.reset();

        RuntimeRun();
    } catch (...) {
        RuntimeUnhandledException(CurrentExceptionObject());
    }
}

void _EarlyStartup()
{
    RuntimeInitExternalClasses();
    RuntimeAllocatePluginEntrypointsTable(0);
    _InitFileTypes();
    _NewAppInstance();
    _ApplicationAddMenuHandlers();
}

// The program registers no document file types.
void _InitFileTypes() { }

void _NewAppInstance()
{
    Ref<App> application = NewObject<App>();
    application->Constructor();
    Ref<pwgen::MainMenuBar> bar = global::MainMenuBar();
    application->SetMenuBar(bar);
    RuntimeRegisterAppObject(application);
}

// The program adds no application-level menu handlers.
void _ApplicationAddMenuHandlers() { }

void _LateStartup() { _MakeDefaultView(); }

void _MakeDefaultView()
{
    // The framework holds the open window; the reference goes at once.
    global::Window1();
}

Ref<Object> _CallFunctionWithExceptionHandling(RoutineEntry routine, Ptr argument)
{
    Ref<Delegate> call = RuntimeCreateDelegate(&invokers::OnePointer, routine, nullptr, "( Ptr )", 0);
    try {
        const Value arguments[] = { Value(argument) };
        call->Invoke(arguments);
        return nullptr;
    } catch (...) {
        // A C++ exception that is no framework exception comes back as a
        // RuntimeException with its message, like at every catch-all.
        Ref<Object> exception = CurrentExceptionObject();
        if (RuntimeObjectIsa(exception.get(), RuntimeException::__Lookup()))
            return exception;
        RuntimeReraiseException(std::move(exception));
    }
}

} // namespace pwgen
