// Builds thunks, the typed callers that class tables hold, from C++ member
// functions, so that a table entry calls the member (a virtual member through
// the object's C++ vtable).
#pragma once

#include "runtime/class_table.h"
#include "runtime/exception.h"

#include <tuple>
#include <type_traits>
#include <utility>

namespace fw {

namespace detail {

template <class T> struct IsRef : std::false_type { };
template <class T> struct IsRef<Ref<T>> : std::true_type {
    using Element = T;
};

template <class T> T FromValue(const Value& value)
{
    if constexpr (std::is_same_v<T, Value>) {
        return value;
    } else if constexpr (std::is_pointer_v<T> && std::is_object_v<std::remove_pointer_t<T>>) {
        // An object pointer, such as a class table, travels as a Ptr.
        return static_cast<T>(std::get<Ptr>(value));
    } else if constexpr (IsRef<T>::value) {
        const auto& object = std::get<Ref<Object>>(value);
        using Element = typename IsRef<T>::Element;
        auto* typed = dynamic_cast<Element*>(object.get());
        if (object && !typed)
            RaiseRuntimeException("argument of the wrong class");
        return Ref<Element>(typed);
    } else {
        return std::get<T>(value);
    }
}

template <class T> Value ToValue(T&& result)
{
    using Plain = std::decay_t<T>;
    if constexpr (IsRef<Plain>::value)
        return Value(Ref<Object>(result));
    else
        return Value(std::forward<T>(result));
}

// Raises a RuntimeException: a thunk of `expected` parameters was called
// with `given` arguments. Checked in every build, since the thunk would read
// past its arguments.
[[noreturn]] void RaiseArgumentCount(std::size_t expected, std::size_t given);

template <class C, class R, class... A, std::size_t... I>
Value CallMember(C& self, R (C::*member)(A...), std::span<const Value> arguments, std::index_sequence<I...>)
{
    if constexpr (std::is_void_v<R>) {
        (self.*member)(FromValue<std::decay_t<A>>(arguments[I])...);
        return {};
    } else {
        return ToValue((self.*member)(FromValue<std::decay_t<A>>(arguments[I])...));
    }
}

} // namespace detail

// A thunk over `member` of class C: the receiver must be a C, and the
// arguments must match the parameters in number and type.
template <class C, class R, class... A> Thunk MakeThunk(R (C::*member)(A...))
{
    return [member](Object& self, std::span<const Value> arguments) -> Value {
        if (arguments.size() != sizeof...(A))
            detail::RaiseArgumentCount(sizeof...(A), arguments.size());
        auto* receiver = dynamic_cast<C*>(&self);
        if (!receiver)
            RaiseRuntimeException("method called on an object of the wrong class");
        return detail::CallMember(*receiver, member, arguments, std::index_sequence_for<A...> {});
    };
}

// Calls `entry` with `self` and the arguments.
template <class... A> Value CallEntry(const MethodEntry& entry, Object& self, A&&... arguments)
{
    const Value values[] = { Value(std::forward<A>(arguments))..., Value() };
    return entry.thunk(self, std::span<const Value>(values, sizeof...(A)));
}

} // namespace fw

namespace fw {

template <class C, class R, class... A>
MethodEntry MakeEntry(std::string name, std::string signature, R (C::*member)(A...))
{
    return MethodEntry { std::move(name), std::move(signature), MakeThunk(member) };
}

// An introspection entry for one of a class's own methods, with its
// attributes.
IntrospectionEntry MakeIntrospectionEntry(const MethodEntry& entry, std::vector<std::string> parameterTypes,
    std::string resultType, AttributeTable attributes);

// The attribute table holding only __Scope = Public.
AttributeTable PublicScope();

[[noreturn]] void RaiseUnsupported(const char* operation);

} // namespace fw
