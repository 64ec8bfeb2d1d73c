// Rectangles at the Qt boundary.
#pragma once

#include <QRect>

#include <cstdint>

namespace fw {

// The rectangle at (`left`, `top`) of `width` by `height`, as Qt can hold it.
// Any 32-bit values are accepted, but QRect keeps its far corner, so
// left + width must itself fit in an int: each coordinate is brought within
// the range Qt can place a widget in (QWIDGETSIZE_MAX either way) and each
// extent within 0 to QWIDGETSIZE_MAX. Whatever lies past that range is out of
// sight on every screen, so nothing the user can see changes.
QRect ToQRect(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);

} // namespace fw
