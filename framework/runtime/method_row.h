// The methods that a class adds to its parent's, one row each. A row holds
// the method-table entry and the introspection entry of one member; the
// signature text and the types that introspection shows are derived from the
// member's C++ types, so that they are written once.
#pragma once

#include "runtime/class_table.h"
#include "runtime/thunk.h"

#include <cstdint>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

namespace fw {

// The framework's name of a parameter or result type.
template <class T> struct TypeName;
template <> struct TypeName<std::int32_t> {
    static std::string Get() { return "Int32"; }
};
template <> struct TypeName<bool> {
    static std::string Get() { return "Boolean"; }
};
template <> struct TypeName<double> {
    static std::string Get() { return "Double"; }
};
template <> struct TypeName<String> {
    static std::string Get() { return "String"; }
};
// An object parameter or result is named by its class.
template <class T> struct TypeName<Ref<T>> {
    static std::string Get() { return T::__Lookup()->name; }
};

// "(String, Boolean)", "() as String": the parameter types, then the result's
// when there is one.
std::string SignatureText(const std::vector<std::string>& parameterTypes, const std::string& resultType);

// Where a row's entry goes in the class's method table.
enum class Slot {
    Append, // after the parent's entries and the rows before it
    ReplaceParents, // in place of the parent's entry of that name and signature
};

struct MethodRow {
    MethodEntry entry;
    std::vector<std::string> parameterTypes;
    std::string resultType; // empty for none
    AttributeTable attributes; // __Scope = Public, and any more
    Slot slot = Slot::Append;
};

// A public method of class C.
template <class C, class R, class... A>
MethodRow Method(std::string name, R (C::*member)(A...), Slot slot = Slot::Append)
{
    std::vector<std::string> parameterTypes { TypeName<std::decay_t<A>>::Get()... };
    std::string resultType;
    if constexpr (!std::is_void_v<R>)
        resultType = TypeName<std::decay_t<R>>::Get();
    std::string signature = SignatureText(parameterTypes, resultType);
    return MethodRow { MakeEntry(std::move(name), std::move(signature), member), std::move(parameterTypes),
        std::move(resultType), PublicScope(), slot };
}

// The row's method, hidden from introspection's listings too.
MethodRow Hidden(MethodRow row);

// Puts each row's entry into `table`'s method table (appended or in place of
// the parent's, as its slot says) and its introspection entry into the
// class's, in row order.
void AddOwnMethods(ClassTable& table, std::span<const MethodRow> rows);

} // namespace fw
