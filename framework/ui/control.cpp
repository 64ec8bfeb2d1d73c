#include "ui/control.h"

#include "runtime/exception.h"
#include "runtime/member_property.h"
#include "runtime/trace.h"
#include "ui/runtime_host.h"

namespace fw {

Control::Control() = default;
Control::~Control() = default;

void Control::AddEventHandler(int eventIndex, EventStub stub, Ref<Delegate> delegate)
{
    assert(Class() && eventIndex >= 0 && static_cast<std::size_t>(eventIndex) < Class()->events.size());
    handlers_[eventIndex] = AttachedHandler { stub, std::move(delegate) };
}

Ref<Delegate> Control::EventDelegate(int eventIndex) const
{
    const auto found = handlers_.find(eventIndex);
    return found == handlers_.end() ? Ref<Delegate>() : found->second.delegate;
}

void Control::RaiseUserEvent(int eventIndex)
{
    const auto found = handlers_.find(eventIndex);
    if (found == handlers_.end())
        return;
    const EventStub stub = found->second.stub;
    Ref<Control> self = RefTo(*this);
    RunProgramCode([&] { stub(*self); });
}

void RuntimeAddEventHandler(
    const Ref<Control>& control, std::int32_t eventIndex, EventStub stub, Ref<Delegate> delegate)
{
    CheckNotNil(control, "RuntimeAddEventHandler: the control");
    CheckNotNil(delegate, "RuntimeAddEventHandler: the delegate");
    if (!stub)
        RaiseNilObjectException("RuntimeAddEventHandler: the event stub is nil");
    const ClassTable* table = control->Class();
    if (eventIndex < 0 || static_cast<std::size_t>(eventIndex) >= table->events.size())
        RaiseRuntimeException(String(table->name + " has no event " + std::to_string(eventIndex)));
    TraceCall("RuntimeAddEventHandler", [&] { return control->Name().Bytes() + " " + std::to_string(eventIndex); });
    control->AddEventHandler(eventIndex, stub, std::move(delegate));
}

namespace {

void RegisterControlProperties(ClassTable* table)
{
    AddMemberProperty(table, "Name", &Control::Name, &Control::SetName);
    AddMemberProperty(table, "Index", &Control::Index, &Control::SetIndex);
}

} // namespace

const ClassTable* Control::__Lookup()
{
    static const ClassTable* table = [] {
        ClassTable* t = NewClass<Control>(ObjectClass(), "Control");
        AddOwnEvents(*t, Event::Close, EventNames);
        RegisterControlProperties(t);
        return t;
    }();
    return table;
}

} // namespace fw
