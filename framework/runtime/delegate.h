// Delegates: a routine bound to an optional target object, called through an
// invoker that knows the routine's signature.
#pragma once

#include "runtime/class_table.h"
#include "runtime/exception.h"
#include "runtime/object.h"
#include "runtime/value.h"

#include <any>
#include <span>
#include <typeinfo>

namespace fw {

class Delegate : public Object {
public:
    // Calls the delegate's routine with the arguments and gives its result.
    using Invoker = Value (*)(const Delegate& delegate, std::span<const Value> arguments);

    Delegate(Invoker invoker, std::any routine, Ref<Object> target, String signature);

    const Ref<Object>& Target() const noexcept { return target_; }
    const String& Signature() const noexcept { return signature_; }

    // The routine as the type it was made with; a different type raises a
    // RuntimeException.
    template <class Routine> const Routine& RoutineAs() const
    {
        if (const auto* routine = std::any_cast<Routine>(&routine_))
            return *routine;
        RaiseRuntimeException(
            String("delegate " + signature_.Bytes() + " holds no routine of type " + typeid(Routine).name()));
    }

    // The plain routine entry: the routine alone, without the delegate.
    template <class Routine> Routine PlainEntry() const { return RoutineAs<Routine>(); }

    Value Invoke(std::span<const Value> arguments) const { return invoker_(*this, arguments); }

    static const ClassTable* __Lookup();

private:
    Invoker invoker_;
    std::any routine_;
    Ref<Object> target_;
    String signature_;
};

Ref<Delegate> RuntimeCreateDelegate(
    Delegate::Invoker invoker, std::any routine, Ref<Object> target, String signature, std::int32_t flags);

// Invokers for the signatures the run time knows.
namespace invokers {
// ( ) with no result: the routine is a void (*)().
Value NoArguments(const Delegate& delegate, std::span<const Value> arguments);
// ( Ptr ) with no result: the routine is a RoutineEntry.
Value OnePointer(const Delegate& delegate, std::span<const Value> arguments);
// A method handler: the routine is a Thunk, called on the target with the
// arguments.
Value Method(const Delegate& delegate, std::span<const Value> arguments);
} // namespace invokers

} // namespace fw
