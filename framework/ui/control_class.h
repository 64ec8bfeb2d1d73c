// The start of every control class's table, so that each class fills in only
// what is its own: its events and its properties.
#pragma once

#include "runtime/class_table.h"

#include <type_traits>

namespace fw {

// A class table for K, a child of `parent` named `name`, with the parent's
// events and method-table entries. A class that can be made gets a factory
// for an unconstructed instance; an abstract one keeps the parent's (none).
template <class K> ClassTable* NewControlClass(const ClassTable* parent, const char* name)
{
    ClassTable* t = RuntimeNewClass(parent);
    t->name = name;
    t->instanceSize = sizeof(K);
    if constexpr (!std::is_abstract_v<K>)
        t->factory = [] { return Ref<Object>(MakeRef<K>()); };
    RuntimeNewVtableFromParent(t);
    return t;
}

} // namespace fw
