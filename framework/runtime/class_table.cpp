#include "runtime/class_table.h"

#include "runtime/exception.h"
#include "runtime/trace.h"

#include <deque>
#include <memory>
#include <string>

namespace fw {
namespace {

// Class tables and method tables live as long as the process.
std::deque<std::unique_ptr<ClassTable>>& ClassTables()
{
    static std::deque<std::unique_ptr<ClassTable>> tables;
    return tables;
}

std::deque<std::unique_ptr<MethodTable>>& MethodTables()
{
    static std::deque<std::unique_ptr<MethodTable>> tables;
    return tables;
}

} // namespace

void MethodTable::Replace(MethodEntry entry)
{
    for (MethodEntry& existing : entries_) {
        if (existing.name == entry.name && existing.signature == entry.signature) {
            existing = std::move(entry);
            return;
        }
    }
    RaiseRuntimeException(String("no method-table entry " + entry.name + " " + entry.signature + " to replace"));
}

const MethodEntry* MethodTable::Find(std::string_view name) const
{
    for (const MethodEntry& entry : entries_) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

const char* PropertyTypeName(PropertyType type)
{
    switch (type) {
    case PropertyType::Int32:
        return "Int32";
    case PropertyType::Boolean:
        return "Boolean";
    case PropertyType::Double:
        return "Double";
    case PropertyType::Color:
        return "Color";
    case PropertyType::String:
        return "String";
    }
    return "?";
}

std::string FoldCase(std::string_view text)
{
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

int ClassTable::EventIndex(std::string_view eventName) const
{
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (events[i].name == eventName)
            return static_cast<int>(i);
    }
    return -1;
}

void ClassTable::BindEvent(std::string_view eventName, Thunk handler)
{
    const int index = EventIndex(eventName);
    if (index < 0)
        RaiseRuntimeException(String("class " + name + " has no event " + std::string(eventName) + " to bind"));
    events[static_cast<std::size_t>(index)].handler = std::move(handler);
}

const Thunk* ClassTable::EventHandler(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= events.size())
        RaiseRuntimeException(String("class " + name + " has no event " + std::to_string(index)));
    const Thunk& handler = events[static_cast<std::size_t>(index)].handler;
    return handler ? &handler : nullptr;
}

void ClassTable::AddProperty(std::string propertyName, PropertyType type, std::function<Value(const Object&)> get,
    std::function<void(Object&, const Value&)> set, PropertyCheck check)
{
    std::string folded = FoldCase(propertyName);
    properties.push_back(
        { std::move(propertyName), std::move(folded), type, std::move(get), std::move(set), std::move(check) });
}

const PropertyDescriptor* ClassTable::FindProperty(std::string_view propertyName) const
{
    const std::string folded = FoldCase(propertyName);
    for (const ClassTable* table = this; table; table = table->parent) {
        for (const PropertyDescriptor& property : table->properties) {
            if (property.foldedName == folded)
                return &property;
        }
    }
    return nullptr;
}

const MethodEntry& ClassTable::RequireMethod(std::string_view methodName) const
{
    const MethodEntry* entry = methods ? methods->Find(methodName) : nullptr;
    if (!entry)
        RaiseRuntimeException(String(name + " has no method " + std::string(methodName) + " in its method table"));
    return *entry;
}

bool ClassTable::IsA(const ClassTable* other) const noexcept
{
    for (const ClassTable* table = this; table; table = table->parent) {
        if (table == other)
            return true;
    }
    return false;
}

const ClassTable* ObjectClass()
{
    static const ClassTable* table = [] {
        ClassTable* t = RuntimeNewClass(nullptr);
        t->name = "Object";
        t->instanceSize = sizeof(Object);
        RuntimeNewVtable(t);
        return t;
    }();
    return table;
}

ClassTable* RuntimeNewClass(const ClassTable* parent)
{
    auto table = std::make_unique<ClassTable>();
    table->parent = parent;
    if (parent) {
        table->instanceSize = parent->instanceSize;
        table->events = parent->events;
        table->factory = parent->factory;
    }
    ClassTables().push_back(std::move(table));
    return ClassTables().back().get();
}

MethodTable* RuntimeNewVtable(ClassTable* table)
{
    // Every class set-up makes its method table once, after naming the class:
    // the trace shows when each class is set up.
    TraceCall("RuntimeNewVtable", table->name);
    MethodTables().push_back(std::make_unique<MethodTable>());
    table->methods = MethodTables().back().get();
    return table->methods;
}

MethodTable* RuntimeNewVtableFromParent(ClassTable* table)
{
    MethodTable* methods = RuntimeNewVtable(table);
    if (table->parent && table->parent->methods) {
        for (const MethodEntry& entry : table->parent->methods->Entries())
            methods->Append(entry);
    }
    return methods;
}

AttributeTable RuntimeAllocateAttributeTable(std::size_t count)
{
    AttributeTable attributes;
    attributes.reserve(count);
    return attributes;
}

Ref<Object> RuntimeNewObject(const ClassTable* table)
{
    if (!table)
        RaiseNilObjectException("RuntimeNewObject: the class is nil");
    TraceCall("RuntimeNewObject", table->name);
    if (!table->factory)
        RaiseRuntimeException(String("class " + table->name + " cannot be instantiated"));
    Ref<Object> object = table->factory();
    object->SetClass(table);
    return object;
}

bool RuntimeObjectIsa(const Object* object, const ClassTable* table) noexcept
{
    return object && object->Class() && object->Class()->IsA(table);
}

void detail::RaiseIllegalCast(const Object& object, const ClassTable* table)
{
    const std::string from = object.Class() ? object.Class()->name : std::string("an unknown class");
    Raise(MakeRef<IllegalCastException>(String("cannot cast an object of class " + from + " to " + table->name)));
}

void detail::RaiseClassMismatch(const Object& object, const ClassTable* table)
{
    RaiseRuntimeException(String("an object of class " + (object.Class() ? object.Class()->name : std::string("?"))
        + " is not the C++ class that class " + table->name + " stands for"));
}

} // namespace fw
