// The methods that a class adds to its parent's, one row each, for the
// framework's classes and the program's alike. A row holds the name, the
// thunk and the types of one member; the signature text and the types that
// introspection shows are derived from the member's C++ types, so that they
// are written once. A row whose text cannot be derived says so, and why.
#pragma once

#include "runtime/class_table.h"
#include "runtime/thunk.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <type_traits>
#include <typeinfo>
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
template <> struct TypeName<Value> {
    static std::string Get() { return "Variant"; }
};
// Any object pointer travels as a pointer-sized value (see FromValue).
template <class T> struct TypeName<T*> {
    static std::string Get() { return "Ptr"; }
};
// An object parameter or result is named by its class.
template <class T> struct TypeName<Ref<T>> {
    static std::string Get() { return T::__Lookup()->name; }
};
template <> struct TypeName<Ref<Object>> {
    static std::string Get() { return ObjectClass()->name; }
};

// Names one parameter or result type for the class table `own` that the row
// goes into.
using TypeNamer = std::string (*)(const ClassTable& own);

namespace detail {

// A row that names its own class (MenuItem's Append takes a MenuItem) reads
// the name from the table being filled: that class's look-up is still
// running and must not be entered again.
template <class T> std::string NameOfType(const ClassTable& own)
{
    if constexpr (IsRef<T>::value) {
        if (own.cppClass && *own.cppClass == typeid(typename IsRef<T>::Element))
            return own.name;
    }
    return TypeName<T>::Get();
}

} // namespace detail

// "(String, Boolean)", "() as String": the parameter types, then the result's
// when there is one.
std::string SignatureText(const std::vector<std::string>& parameterTypes, const std::string& resultType);

// Where a row's entry goes in the class's method table.
enum class Slot {
    Append, // after the parent's entries and the rows before it
    ReplaceParents, // in place of the parent's entry of that name and signature
};

// Why a row's signature text is written out rather than derived.
enum class WrittenSignature {
    // The member is a stub over a stand-in C++ type for a type that this
    // framework does not model (TrayItem, FolderItem, Graphics, WindowPtr,
    // MenuItem.HandleType); the text names the type the table shows.
    UnmodelledType,
};

struct MethodRow {
    std::string name;
    Thunk thunk;
    std::vector<TypeNamer> parameterTypes;
    TypeNamer resultType = nullptr; // nullptr for none
    std::optional<std::string> writtenSignature; // only where it cannot be derived
    AttributeTable attributes; // __Scope = Public, and any more
    Slot slot = Slot::Append;
};

// A public method of class C.
template <class C, class R, class... A>
MethodRow Method(std::string name, R (C::*member)(A...), Slot slot = Slot::Append)
{
    TypeNamer resultType = nullptr;
    if constexpr (!std::is_void_v<R>)
        resultType = &detail::NameOfType<std::decay_t<R>>;
    return MethodRow { std::move(name), MakeThunk(member), { &detail::NameOfType<std::decay_t<A>>... }, resultType,
        std::nullopt, PublicScope(), slot };
}

// A public method of class C whose signature text is `signature`, for the
// reason that `why` gives.
template <class C, class R, class... A>
MethodRow MethodWithSignature(
    std::string name, R (C::*member)(A...), [[maybe_unused]] WrittenSignature why, std::string signature)
{
    MethodRow row = Method(std::move(name), member);
    row.writtenSignature = std::move(signature);
    return row;
}

// The row's method, hidden from introspection's listings too.
MethodRow Hidden(MethodRow row);

// Puts each row's entry into `table`'s method table (appended or in place of
// the parent's, as its slot says) and its introspection entry into the
// class's, in row order. For the program's classes, which introspection
// lists.
void AddOwnMethods(ClassTable& table, std::span<const MethodRow> rows);

// Puts each row's entry into `table`'s method table only. For the
// framework's own classes: introspection lists what the program declares,
// not the framework's methods.
void AddFrameworkMethods(ClassTable& table, std::span<const MethodRow> rows);

} // namespace fw
