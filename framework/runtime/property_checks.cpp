#include "runtime/property_checks.h"

#include "runtime/class_table.h"
#include "runtime/exception.h"

namespace fw {

void RaisePropertyError(const Object& object, const char* property, const std::string& problem)
{
    const std::string className = object.Class() ? object.Class()->name : std::string("Object");
    RaiseRuntimeException(String(className + "." + property + ": " + problem));
}

std::optional<std::string> ChoiceProblem(std::int32_t value, std::int32_t count, const char* choices)
{
    if (value < 0 || value >= count)
        return std::to_string(value) + " is none of " + choices;
    return std::nullopt;
}

std::optional<std::string> NotNegative(std::int32_t value)
{
    if (value < 0)
        return std::to_string(value) + " is negative";
    return std::nullopt;
}

} // namespace fw
