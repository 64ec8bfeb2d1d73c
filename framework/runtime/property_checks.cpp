#include "runtime/property_checks.h"

#include "runtime/class_table.h"
#include "runtime/exception.h"

#include <algorithm>

namespace fw {

void RaisePropertyError(const Object& object, const char* property, const std::string& problem)
{
    const std::string className = object.Class() ? object.Class()->name : std::string("Object");
    RaiseRuntimeException(String(className + "." + property + ": " + problem));
}

std::optional<std::string> ChoiceProblem(std::int32_t value, std::span<const ChoiceName> choices)
{
    if (std::ranges::any_of(choices, [value](const ChoiceName& choice) { return choice.value == value; }))
        return std::nullopt;
    std::string problem = std::to_string(value) + " is none of ";
    for (const ChoiceName& choice : choices) {
        if (&choice != choices.data())
            problem += ", ";
        problem += std::to_string(choice.value) + " " + choice.name;
    }
    return problem;
}

std::optional<std::string> NotNegative(std::int32_t value)
{
    if (value < 0)
        return std::to_string(value) + " is negative";
    return std::nullopt;
}

} // namespace fw
