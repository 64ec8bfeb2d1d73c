// Colours at the Qt boundary, and the palette changes the controls make
// with them.
#pragma once

#include "runtime/value.h"

#include <QColor>
#include <QPalette>

class QWidget;

namespace fw {

QColor ToQColor(Color color);

// Sets `role` in the active and inactive groups of `palette`, leaving the
// disabled group to the style, so a disabled control still looks disabled.
void SetEnabledColor(QPalette& palette, QPalette::ColorRole role, const QColor& color);

} // namespace fw
