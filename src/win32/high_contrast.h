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

// The colour a control draws `designed` in on this desktop now.
Color DrawnColor(Color designed, ColorRole role, bool highContrast);

}  // namespace quillbit
