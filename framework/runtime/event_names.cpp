#include "runtime/event_names.h"

#include "runtime/exception.h"

#include <string>

namespace fw {

void AddOwnEvents(ClassTable& table, int firstIndex, std::span<const char* const> names)
{
    if (table.events.size() != static_cast<std::size_t>(firstIndex)) {
        RaiseRuntimeException(String("class " + table.name + " has " + std::to_string(table.events.size())
            + " inherited events where its own start at " + std::to_string(firstIndex)));
    }
    for (const char* name : names)
        table.events.push_back({ name, {} });
}

} // namespace fw
