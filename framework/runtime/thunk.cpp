#include "runtime/thunk.h"

#include <string>

namespace fw {

IntrospectionEntry MakeIntrospectionEntry(const MethodEntry& entry, std::vector<std::string> parameterTypes,
    std::string resultType, AttributeTable attributes)
{
    return IntrospectionEntry { entry.name, std::move(parameterTypes), std::move(resultType), entry.thunk,
        std::move(attributes) };
}

AttributeTable PublicScope()
{
    AttributeTable attributes = RuntimeAllocateAttributeTable(1);
    attributes.push_back({ "__Scope", String("Public") });
    return attributes;
}

void RaiseUnsupported(const char* operation)
{
    RaiseRuntimeException(String(std::string(operation) + " is not supported on this platform"));
}

} // namespace fw

namespace fw::detail {

void RaiseArgumentCount(std::size_t expected, std::size_t given)
{
    RaiseRuntimeException(String(
        "a method of " + std::to_string(expected) + " parameters called with " + std::to_string(given) + " arguments"));
}

} // namespace fw::detail
