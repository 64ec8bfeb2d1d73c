#include "runtime/delegate.h"

#include "runtime/trace.h"

namespace fw {

Delegate::Delegate(Invoker invoker, std::any routine, Ref<Object> target, String signature)
    : invoker_(invoker)
    , routine_(std::move(routine))
    , target_(std::move(target))
    , signature_(std::move(signature))
{ }

const ClassTable* Delegate::__Lookup()
{
    static const ClassTable* table = NewClass<Delegate>(ObjectClass(), "Delegate");
    return table;
}

// The flags are the program's to pass; no delegate behaves differently by
// them, so none is kept.
Ref<Delegate> RuntimeCreateDelegate(
    Delegate::Invoker invoker, std::any routine, Ref<Object> target, String signature, std::int32_t /*flags*/)
{
    TraceCall("RuntimeCreateDelegate", signature.Bytes());
    if (!invoker)
        RaiseNilObjectException("RuntimeCreateDelegate: the invoker is nil");
    return MakeRef<Delegate>(invoker, std::move(routine), std::move(target), std::move(signature));
}

namespace invokers {

Value NoArguments(const Delegate& delegate, std::span<const Value> /*arguments*/)
{
    delegate.RoutineAs<void (*)()>()();
    return {};
}

Value OnePointer(const Delegate& delegate, std::span<const Value> arguments)
{
    delegate.RoutineAs<RoutineEntry>()(std::get<Ptr>(arguments[0]));
    return {};
}

Value Method(const Delegate& delegate, std::span<const Value> arguments)
{
    const Ref<Object>& target = CheckNotNil(delegate.Target(), "the delegate's target");
    return delegate.RoutineAs<Thunk>()(*target, arguments);
}

} // namespace invokers
} // namespace fw
