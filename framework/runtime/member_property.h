// Property descriptors built from a class's getter and setter members, so
// that a class registers each property in one line with its type derived
// from the setter's parameter, and with the rule its setter keeps.
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

} // namespace fw
