#pragma once

#include <windows.h>

#include "core/control.h"

namespace quillbit {

// What a designed colour is used for, which decides the system colour that stands for it when
// the user asks for high contrast.
enum class ColorRole { Text, Line, Background };

// With high contrast on, the system colour (COLOR_*) a designed colour gives way to: a coloured
// text (a highlighted value, a link) the hot-track colour the scheme gives links, other text
// the window text; a light line the 3D highlight, other lines the window text; a background
// the window's colour when near white, else the button face. -1 for a system colour, which
// follows the scheme already.
int HighContrastColorIndex(Color designed, ColorRole role);

// Whether the user has high contrast on now.
bool HighContrastOn();

// Warning text (Windows has no colour of its own for it): the reddest of the dark reds from
// RGB(192,0,0) down that reads at WCAG's 4.5:1 or better on `face`; `fallback` on a face too dark
// for any red to.
COLORREF WarningTextOn(COLORREF face, COLORREF fallback);
// The contrast ratio of two colours as WCAG 2 defines it, from 1 to 21.
double ContrastRatio(COLORREF a, COLORREF b);

// The colour a control draws `designed` in on this desktop now: warning text in the dark red
// that reads on the button face, or in the window text colour with high contrast on, where the
// scheme's own colours are what a person asked for.
Color DrawnColor(Color designed, ColorRole role, bool highContrast);

}  // namespace quillbit
