// The horizontal alignment that the label's TextAlign and the text
// controls' Alignment hold: 0 the default (left), 1 left, 2 centre, 3 right.
#pragma once

#include <Qt>

#include <cstdint>
#include <optional>
#include <string>

namespace fw {

// The rule of both properties: what makes a value no alignment.
std::optional<std::string> TextAlignmentRule(std::int32_t value);

// The Qt alignment of a checked value.
Qt::Alignment HorizontalAlignment(std::int32_t value);

} // namespace fw
