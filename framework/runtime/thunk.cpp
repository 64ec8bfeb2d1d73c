#include "runtime/thunk.h"

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
