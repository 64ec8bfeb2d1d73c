// The values that cross the method tables, the introspection entries, the
// delegates and the property descriptors.
#pragma once

#include "runtime/object.h"
#include "text/string.h"

#include <cstdint>
#include <variant>

namespace fw {

using Ptr = void*;
// A plain routine with one pointer-sized argument.
using RoutineEntry = void (*)(Ptr);

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

using Value = std::variant<std::monostate, bool, std::int32_t, double, String, Color, Ref<Object>, Ptr, RoutineEntry>;

} // namespace fw
