// Property descriptors built from a class's members, so that a class
// registers each property in one line: through its getter and setter, with
// the type derived from the setter's parameter and the rule the setter keeps,
// or as a data member it only stores.
#pragma once

#include "runtime/class_table.h"
#include "runtime/property_checks.h"
#include "runtime/value.h"

#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>

namespace fw {

template <class T> constexpr PropertyType PropertyTypeOf()
{
    if constexpr (std::is_same_v<T, std::int32_t>)
        return PropertyType::Int32;
    else if constexpr (std::is_same_v<T, bool>)
        return PropertyType::Boolean;
    else if constexpr (std::is_same_v<T, double>)
        return PropertyType::Double;
    else if constexpr (std::is_same_v<T, Color>)
        return PropertyType::Color;
    else {
        static_assert(std::is_same_v<T, String>, "no property type for this C++ type");
        return PropertyType::String;
    }
}

namespace detail {

// The receiver as K: a downcast for a framework class, a cross-cast for a
// mixin (such as TextStyle) that is not itself an Object.
template <class K, class O> K& PropertyReceiver(O& object)
{
    if constexpr (std::is_base_of_v<Object, K>)
        return static_cast<K&>(object);
    else
        return dynamic_cast<K&>(object);
}

} // namespace detail

// Registers `name` on `table`, read through `get` and written through `set`.
// A setter that refuses some values gives the rule it enforces, so that a
// value can be checked before anything is set.
template <class K, class R, class T>
void AddMemberProperty(ClassTable* table, std::string name, R (K::*get)() const, void (K::*set)(T),
    ValueRule<std::decay_t<T>> rule = nullptr)
{
    using Stored = std::decay_t<T>;
    PropertyCheck check;
    if (rule)
        check = [rule](const Value& v) { return rule(std::get<Stored>(v)); };
    table->AddProperty(
        std::move(name), PropertyTypeOf<Stored>(),
        [get](const Object& o) { return Value(Stored((detail::PropertyReceiver<const K>(o).*get)())); },
        [set](Object& o, const Value& v) { (detail::PropertyReceiver<K>(o).*set)(std::get<Stored>(v)); },
        std::move(check));
}

// Registers `name` on `table` for a data member that K only stores: what is
// set is what reads back, with no effect of its own. The member stays
// private: K's static __Lookup (or a mixin's static RegisterProperties) may
// name it, so a stored-only property needs neither accessors nor friends.
template <class K, class T>
requires(!std::is_function_v<T>) void AddMemberProperty(ClassTable* table, std::string name, T K::*field)
{
    table->AddProperty(
        std::move(name), PropertyTypeOf<T>(),
        [field](const Object& o) { return Value(detail::PropertyReceiver<const K>(o).*field); },
        [field](Object& o, const Value& v) { detail::PropertyReceiver<K>(o).*field = std::get<T>(v); });
}

} // namespace fw
