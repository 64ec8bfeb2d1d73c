// The framework's application object. A program derives its own class from
// it; the run time holds the one registered object for the whole run.
#pragma once

#include "runtime/class_table.h"
#include "runtime/event_names.h"
#include "runtime/object.h"
#include "text/string.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace fw {

class MenuBar;

class Application : public Object {
public:
    // The application's events, in event-table order.
    enum class Event {
        Activate,
        CancelClose,
        Close,
        Deactivate,
        EnableMenuItems,
        HandleAppleEvent,
        NewDocument,
        Open,
        OpenDocument,
        UnhandledException,
        EventCount
    };
    static constexpr std::array<const char*, 10> EventNames = { "Activate", "CancelClose", "Close", "Deactivate",
        "EnableMenuItems", "HandleAppleEvent", "NewDocument", "Open", "OpenDocument", "UnhandledException" };
    static_assert(NamesEveryOwnEvent(Event::Activate, EventNames));

    Application();
    ~Application() override;

    // Method-table entries, in slot order.
    virtual void AddTrayItem(const Ref<Object>& item);
    virtual void DoEvents(std::int32_t milliseconds);
    virtual void NewDocumentEntry();
    virtual void OpenDocument(const Ref<Object>& item);
    virtual void RemoveTrayItem(const Ref<Object>& item);
    virtual void SleepCurrentThread(std::int32_t milliseconds);
    virtual void YieldToNextThread();
    virtual void _AddMenuHandler(String name, Ptr handler);
    virtual void _AddPollableObject(const Ref<Object>& object);
    virtual void _DependencyList();
    virtual void _DoSingleEvent();
    virtual void _RemovePollableObject(const Ref<Object>& object);

    static constexpr std::size_t MethodCount = 12;

    // The application's menu bar, shown by windows that have none of their own.
    const Ref<fw::MenuBar>& MenuBar() const noexcept;
    void SetMenuBar(Ref<fw::MenuBar> bar);

    // Raises one of the application's events with its class's handler.
    void RaiseEvent(Event event);

    static const ClassTable* __Lookup();

private:
    Ref<fw::MenuBar> menuBar_;
};

void RuntimeRegisterAppObject(const Ref<Application>& application);
// The registered application object, or nil.
Ref<Application> getAppObject();
// Forgets the registered application object (at the run time's exit).
void RuntimeReleaseAppObject();

} // namespace fw
