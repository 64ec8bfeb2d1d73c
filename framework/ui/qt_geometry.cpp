#include "ui/qt_geometry.h"

#include <QWidget>

#include <algorithm>

namespace fw {
namespace {

int Coordinate(std::int32_t value) { return std::clamp<int>(value, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX); }

int Extent(std::int32_t value) { return std::clamp<int>(value, 0, QWIDGETSIZE_MAX); }

} // namespace

QRect ToQRect(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    return QRect(Coordinate(left), Coordinate(top), Extent(width), Extent(height));
}

} // namespace fw
