#include "ui/application.h"

#include "runtime/exception.h"
#include "runtime/method_row.h"
#include "runtime/trace.h"
#include "ui/menu_bar.h"
#include "ui/runtime_host.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>
#include <cassert>
#include <chrono>
#include <thread>

namespace fw {
namespace {

Ref<Application>& RegisteredApplication()
{
    static Ref<Application> application;
    return application;
}

} // namespace

Application::Application() = default;
Application::~Application() = default;

void Application::AddTrayItem(const Ref<Object>&) { RaiseUnsupported("Application.AddTrayItem"); }

void Application::DoEvents(std::int32_t milliseconds)
{
    QCoreApplication::processEvents(QEventLoop::AllEvents, std::max(milliseconds, 0));
}

void Application::NewDocumentEntry() { RaiseUnsupported("Application.NewDocument"); }
void Application::OpenDocument(const Ref<Object>&) { RaiseUnsupported("Application.OpenDocument"); }
void Application::RemoveTrayItem(const Ref<Object>&) { RaiseUnsupported("Application.RemoveTrayItem"); }

void Application::SleepCurrentThread(std::int32_t milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(std::max(milliseconds, 0)));
}

void Application::YieldToNextThread() { std::this_thread::yield(); }
void Application::_AddMenuHandler(String, Ptr) { RaiseUnsupported("Application._AddMenuHandler"); }
void Application::_AddPollableObject(const Ref<Object>&) { RaiseUnsupported("Application._AddPollableObject"); }
void Application::_DependencyList() { }
void Application::_DoSingleEvent() { QCoreApplication::processEvents(); }
void Application::_RemovePollableObject(const Ref<Object>&) { RaiseUnsupported("Application._RemovePollableObject"); }

const Ref<fw::MenuBar>& Application::MenuBar() const noexcept { return menuBar_; }

void Application::SetMenuBar(Ref<fw::MenuBar> bar)
{
    TraceCall("Application.MenuBar");
    menuBar_ = std::move(bar);
}

void Application::RaiseEvent(Event event)
{
    if (!Class())
        RaiseRuntimeException(
            "Application: the application object was made without a class table to raise its events from");
    const Thunk* handler = Class()->EventHandler(IndexOf(event));
    if (!handler)
        return;
    Ref<Application> self = RefTo(*this);
    RunProgramCode([&] { (*handler)(*self, {}); });
}

const ClassTable* Application::__Lookup()
{
    static const ClassTable* table = [] {
        ClassTable* t = NewClass<Application>(ObjectClass(), "Application", Entries::Own);
        using A = Application;
        constexpr WrittenSignature stub = WrittenSignature::UnmodelledType;
        const MethodRow rows[] = {
            MethodWithSignature("AddTrayItem", &A::AddTrayItem, stub, "(TrayItem)"),
            Method("DoEvents", &A::DoEvents),
            Method("NewDocument", &A::NewDocumentEntry),
            MethodWithSignature("OpenDocument", &A::OpenDocument, stub, "(FolderItem)"),
            MethodWithSignature("RemoveTrayItem", &A::RemoveTrayItem, stub, "(TrayItem)"),
            Method("SleepCurrentThread", &A::SleepCurrentThread),
            Method("YieldToNextThread", &A::YieldToNextThread),
            Method("_AddMenuHandler", &A::_AddMenuHandler),
            Method("_AddPollableObject", &A::_AddPollableObject),
            Method("_DependencyList", &A::_DependencyList),
            Method("_DoSingleEvent", &A::_DoSingleEvent),
            Method("_RemovePollableObject", &A::_RemovePollableObject),
        };
        AddFrameworkMethods(*t, rows);
        assert(t->methods->Size() == MethodCount);
        AddOwnEvents(*t, Event::Activate, EventNames);
        return t;
    }();
    return table;
}

void RuntimeRegisterAppObject(const Ref<Application>& application)
{
    TraceCall("RuntimeRegisterAppObject");
    CheckNotNil(application, "RuntimeRegisterAppObject: the application object");
    RegisteredApplication() = application;
}

Ref<Application> getAppObject() { return RegisteredApplication(); }

void RuntimeReleaseAppObject() { RegisteredApplication().reset(); }

} // namespace fw
