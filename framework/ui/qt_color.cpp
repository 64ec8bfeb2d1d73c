#include "ui/qt_color.h"

namespace fw {

QColor ToQColor(Color color) { return QColor(color.red, color.green, color.blue); }

void SetEnabledColor(QPalette& palette, QPalette::ColorRole role, const QColor& color)
{
    palette.setColor(QPalette::Active, role, color);
    palette.setColor(QPalette::Inactive, role, color);
}

} // namespace fw
