// How a colour from a control's record is drawn on the desktop theme's
// background, so that text stays readable under a light and a dark theme.
//
// The rule: a record's text colour that reads at kReadableContrast (4.5:1,
// the WCAG 2 level for body text) or more on the theme's background is drawn
// as given; one that does not is replaced by the theme's own text colour. A
// label's default black therefore shows black under a light theme and the
// theme's light text under a dark one. Where the record gives the background
// too (a text area's BackColor, a window's BackColor), both are drawn as given:
// that pair is the designer's choice, not the theme's.
//
// Of the controls, only the label draws a record colour (TextColor) on the
// theme's background: check boxes and push buttons take every colour from the
// theme, the text controls paint their own BackColor under their TextColor,
// and the slider has no colour of its own.
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace fw {

inline constexpr double kReadableContrast = 4.5;

// The WCAG 2 contrast ratio of two opaque colours, from 1 to 21.
double ContrastRatio(const QColor& first, const QColor& second);

// The colour to draw text of the record's colour `wanted` in, on a background
// whose colours `theme` gives (its Window and WindowText roles).
QColor ReadableTextColor(const QColor& wanted, const QPalette& theme);

// Gives `widget` the text colour `wanted` in `role` (active and inactive
// groups) by the rule above, against the palette of the widget's parent, and
// applies the rule again whenever the theme's or the parent's palette
// changes. Calling it again replaces the colour.
void KeepTextReadable(QWidget& widget, QPalette::ColorRole role, const QColor& wanted);

} // namespace fw
