// The horizontal alignment that the label's TextAlign and the text
// controls' Alignment hold, one of kTextAlignments; the default is left.
#pragma once

#include "runtime/property_checks.h"

#include <Qt>

#include <cstdint>

namespace fw {

inline constexpr ChoiceName kTextAlignments[] = {
    { 0, "default" },
    { 1, "left" },
    { 2, "centre" },
    { 3, "right" },
};
// The rule of both properties.
inline constexpr ValueRule<std::int32_t> TextAlignmentRule = ChoiceRule<kTextAlignments>;

// The Qt alignment of a checked value.
Qt::Alignment HorizontalAlignment(std::int32_t value);

} // namespace fw
