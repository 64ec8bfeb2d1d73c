// The horizontal alignment that the label's TextAlign and the text
// controls' Alignment hold: 0 the default (left), 1 left, 2 centre, 3 right.
#pragma once

#include <Qt>

#include <cstdint>

namespace fw {

class Control;

// Raises a RuntimeException for a value that is no alignment.
void CheckTextAlignment(const Control& control, const char* property, std::int32_t value);

// The Qt alignment of a checked value.
Qt::Alignment HorizontalAlignment(std::int32_t value);

} // namespace fw
