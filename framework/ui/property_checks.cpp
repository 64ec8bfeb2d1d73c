#include "ui/property_checks.h"

#include "runtime/exception.h"
#include "ui/rect_control.h"

namespace fw {

void RaisePropertyError(const Control& control, const char* property, const std::string& problem)
{
    RaiseRuntimeException(String(ControlClassName(control) + "." + property + ": " + problem));
}

void CheckChoice(
    const Control& control, const char* property, std::int32_t value, std::int32_t count, const char* choices)
{
    if (value < 0 || value >= count)
        RaisePropertyError(control, property, std::to_string(value) + " is none of " + choices);
}

void CheckNotNegative(const Control& control, const char* property, std::int32_t value)
{
    if (value < 0)
        RaisePropertyError(control, property, std::to_string(value) + " is negative");
}

} // namespace fw
