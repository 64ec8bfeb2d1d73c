// Class tables: what the run time knows of a class. A table is plain data,
// filled once by the class's set-up and never released.
#pragma once

#include "runtime/object.h"
#include "runtime/value.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <utility>
#include <vector>

namespace fw {

// Calls one member of an object with its arguments and gives its result
// (std::monostate for none). Method-table entries, introspection entries and
// event handlers all hold one.
using Thunk = std::function<Value(Object& self, std::span<const Value> arguments)>;

struct MethodEntry {
    std::string name;
    std::string signature; // parameter and result types, e.g. "(String) as String"
    Thunk thunk;
};

// A method table: the entries in slot order.
class MethodTable {
public:
    void Append(MethodEntry entry) { entries_.push_back(std::move(entry)); }
    // Replaces the first entry of that name and signature; raises a
    // RuntimeException when there is none.
    void Replace(MethodEntry entry);

    const std::vector<MethodEntry>& Entries() const noexcept { return entries_; }
    std::size_t Size() const noexcept { return entries_.size(); }
    const MethodEntry& operator[](std::size_t slot) const { return entries_.at(slot); }
    // The entry of that name (the first one, for overloads), or nullptr.
    const MethodEntry* Find(std::string_view name) const;

private:
    std::vector<MethodEntry> entries_;
};

struct Attribute {
    std::string name;
    std::optional<String> value; // some attributes, like Hidden, carry none
    friend bool operator==(const Attribute&, const Attribute&) = default;
};
using AttributeTable = std::vector<Attribute>;

struct IntrospectionEntry {
    std::string name;
    std::vector<std::string> parameterTypes;
    std::string resultType; // empty for none
    Thunk invoke;
    AttributeTable attributes;
};

enum class PropertyType { Int32, Boolean, Double, Color, String };
const char* PropertyTypeName(PropertyType type);

// What is wrong with a value that a property's setter would refuse, or
// nothing when the setter takes it. The setter keeps to the same rule, so a
// caller can check every value before it sets any.
using PropertyCheck = std::function<std::optional<std::string>(const Value&)>;

struct PropertyDescriptor {
    std::string name;
    std::string foldedName; // lower case, for look-ups that ignore case
    PropertyType type;
    std::function<Value(const Object&)> get;
    std::function<void(Object&, const Value&)> set;
    PropertyCheck check; // empty when the setter takes every value of the type
};

struct EventSlot {
    std::string name;
    Thunk handler; // empty when the class binds none
};

class ClassTable {
public:
    using Factory = std::function<Ref<Object>()>;

    std::string name;
    const ClassTable* parent = nullptr;
    std::size_t instanceSize = 0;
    const std::type_info* cppClass = nullptr; // the C++ class NewClass made the table for
    MethodTable* methods = nullptr; // owned by the run time, see RuntimeNewVtable
    std::vector<IntrospectionEntry> introspection;
    AttributeTable attributes;
    std::vector<EventSlot> events; // inherited from the parent, then the class's own
    std::vector<PropertyDescriptor> properties; // the class's own; look-ups walk the parents
    Factory factory; // makes an unconstructed instance

    // The event's index in the table, or -1.
    int EventIndex(std::string_view eventName) const;
    void BindEvent(std::string_view eventName, Thunk handler);
    const Thunk* EventHandler(int index) const;

    void AddProperty(std::string propertyName, PropertyType type, std::function<Value(const Object&)> get,
        std::function<void(Object&, const Value&)> set, PropertyCheck check = {});
    // The property of that name, letter case ignored, here or in a base.
    const PropertyDescriptor* FindProperty(std::string_view propertyName) const;

    // The method-table entry of that name (the first one, for overloads), for
    // code that takes an entry out of the table to bind or call it. Raises a
    // RuntimeException naming the class and the entry when there is none, in
    // every build: the caller would otherwise call through a null entry.
    const MethodEntry& RequireMethod(std::string_view methodName) const;

    bool IsA(const ClassTable* other) const noexcept;
};

std::string FoldCase(std::string_view text);

// The root class "Object".
const ClassTable* ObjectClass();

// A new class that inherits the parent's events and factory; name, size,
// methods and the rest are the caller's to fill.
ClassTable* RuntimeNewClass(const ClassTable* parent);
// Where a new class's method table starts.
enum class Entries {
    FromParent, // with the parent's entries, in its order; the class appends or replaces its own
    Own, // empty: the class lists every entry itself, in an order of its own
};
// The class set-up's first step for every class: a class table for K, a
// child of `parent` named `name`, with the parent's events and a method table
// that starts as `entries` says. A class that anyone can default-construct
// gets a factory for an unconstructed instance; one that is abstract, made
// only through its subclasses or made with arguments gets none.
template <class K>
ClassTable* NewClass(const ClassTable* parent, std::string name, Entries entries = Entries::FromParent);
// A new, empty method table attached to `table`, which is named already.
MethodTable* RuntimeNewVtable(ClassTable* table);
// A method table that starts with the parent's entries, in its order.
MethodTable* RuntimeNewVtableFromParent(ClassTable* table);
AttributeTable RuntimeAllocateAttributeTable(std::size_t count);

// A new object of the class, not yet constructed.
Ref<Object> RuntimeNewObject(const ClassTable* table);

bool RuntimeObjectIsa(const Object* object, const ClassTable* table) noexcept;

template <class K> ClassTable* NewClass(const ClassTable* parent, std::string name, Entries entries)
{
    ClassTable* table = RuntimeNewClass(parent);
    table->name = std::move(name);
    table->instanceSize = sizeof(K);
    table->cppClass = &typeid(K);
    // Never the parent's factory: it would make an instance of the wrong C++ class.
    if constexpr (std::is_default_constructible_v<K>)
        table->factory = [] { return Ref<Object>(MakeRef<K>()); };
    else
        table->factory = nullptr;
    if (entries == Entries::FromParent)
        RuntimeNewVtableFromParent(table);
    else
        RuntimeNewVtable(table);
    return table;
}

namespace detail {
// Raises IllegalCastException: `object` is not of the class.
[[noreturn]] void RaiseIllegalCast(const Object& object, const ClassTable* table);
// Raises a RuntimeException: `object`'s class table says it is of the class,
// but its C++ class is not the one that the class table stands for.
[[noreturn]] void RaiseClassMismatch(const Object& object, const ClassTable* table);
} // namespace detail

// Nil stays nil; an object of the class (or a subclass) comes back as T; any
// other object raises IllegalCastException.
template <class T> Ref<T> RuntimeCheckCast(const Ref<Object>& object, const ClassTable* table)
{
    Object* const raw = object.get();
    if (raw && !RuntimeObjectIsa(raw, table))
        detail::RaiseIllegalCast(*raw, table);
    // An object of exactly T, the common case, needs no search of its bases.
    T* typed = raw && typeid(*raw) == typeid(T) ? static_cast<T*>(raw) : dynamic_cast<T*>(raw);
    if (raw && !typed)
        detail::RaiseClassMismatch(*raw, table);
    return Ref<T>(typed);
}

} // namespace fw
