#pragma once

#include <QColor>
#include <QPalette>

namespace quillbit {

// The contrast a warning's text keeps against the window it sits on: WCAG's level for body text.
inline constexpr double kWarningMinContrast = 4.5;

// WCAG's contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

// The desktop's colour for text that warns. Qt's palettes have no role for it, so it is the red
// desktops use for errors: dark on a light window, light on a dark one, and always readable
// against the palette's window colour.
QColor WarningTextColor(const QPalette& palette);

}  // namespace quillbit
