#pragma once

#include <windows.h>

#include <string>

#include "core/control.h"
#include "win32/gdi_cache.h"

namespace quillbit {

// A stand-in font runs wider than the one a layout was drawn for (another system's "MS Sans
// Serif", a font substituted at another resolution), and a caption that no longer fits its
// fixed width would wrap or be cut off. Such a caption is narrowed instead: the same height,
// at most down to this width.
inline constexpr int kFullWidth = 100;
inline constexpr int kNarrowestWidth = 70;

// The next narrower width to try, in percent of the full one, for a caption `needed` pixels
// wide in `room` pixels at `width` percent.
int NarrowerWidth(int width, int needed, int room);

// The font for `text` in `room` pixels: the design's, narrowed until the widest line of the
// text fits or the narrowest width is reached. `format` holds DrawText's flags for how the
// text is read (DT_NOPREFIX where an ampersand is a plain character).
HFONT FittingFont(HWND window, const std::string& text, const FontSpec& design, bool bold, int dpi,
                  int room, UINT format, FontCache& fonts);

}  // namespace quillbit
