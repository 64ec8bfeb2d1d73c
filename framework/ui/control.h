// The base of every control: it belongs to the window that created it, has a
// name there, and raises its events through the handlers attached to it.
#pragma once

#include "runtime/class_table.h"
#include "runtime/delegate.h"
#include "runtime/event_names.h"
#include "runtime/object.h"
#include "text/string.h"

#include <array>
#include <cstdint>
#include <map>

namespace fw {

class Window;
class Control;

// What the framework calls, with the control, when the control raises the
// event of an index: it hands the event to the attached delegate.
using EventStub = void (*)(Control& control);

class Control : public Object {
public:
    // The events every control has.
    enum class Event { Close, Open, EventCount };
    static constexpr std::array<const char*, 2> EventNames = { "Close", "Open" };
    static_assert(NamesEveryOwnEvent(Event::Close, EventNames));

    ~Control() override;

    // The window that created the control (Window.__New), or nullptr once the
    // window is gone. Not an owning reference: the window owns its controls.
    Window* OwnerWindow() const noexcept { return window_; }
    void AttachToWindow(Window* window) noexcept { window_ = window; }

    const String& Name() const noexcept { return name_; }
    void SetName(String name) { name_ = std::move(name); }
    std::int32_t Index() const noexcept { return index_; }
    void SetIndex(std::int32_t index) { index_ = index; }

    // Attaches `delegate` under the event index, with the stub that delivers
    // it; a second handler for one index replaces the first.
    void AddEventHandler(int eventIndex, EventStub stub, Ref<Delegate> delegate);
    // The delegate attached under the index, or nil.
    Ref<Delegate> EventDelegate(int eventIndex) const;

    // Raises the event for a user's action: the attached stub runs as program
    // code (through the exception helper). Without a handler nothing runs.
    void RaiseUserEvent(int eventIndex);

    static const ClassTable* __Lookup();

protected:
    // Only the control classes make one: a bare Control has no widget.
    Control();

private:
    struct AttachedHandler {
        EventStub stub;
        Ref<Delegate> delegate;
    };

    Window* window_ = nullptr;
    String name_;
    std::int32_t index_ = 0;
    std::map<int, AttachedHandler> handlers_;
};

void RuntimeAddEventHandler(
    const Ref<Control>& control, std::int32_t eventIndex, EventStub stub, Ref<Delegate> delegate);

// The stub for one event index: calls the delegate attached to the control
// under that index with the delegate and the control.
template <int EventIndex> void ControlEventStub(Control& control)
{
    Ref<Delegate> delegate = control.EventDelegate(EventIndex);
    CheckNotNil(delegate, "the event's delegate");
    const Value arguments[] = { Value(Ref<Object>(RefTo(control))) };
    delegate->Invoke(arguments);
}

namespace invokers {
// A control handler: the routine is a method-table thunk of the target,
// called with the target and the control, which must be a K.
template <class K> Value ControlHandler(const Delegate& delegate, std::span<const Value> arguments)
{
    const auto& control = std::get<Ref<Object>>(arguments[0]);
    if (!dynamic_cast<K*>(control.get()))
        RaiseRuntimeException(
            String("a handler for " + delegate.Signature().Bytes() + " was given a control of another class"));
    return Method(delegate, arguments);
}
} // namespace invokers

} // namespace fw
