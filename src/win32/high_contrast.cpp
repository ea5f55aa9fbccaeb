#include "win32/high_contrast.h"

#include <algorithm>

namespace quillbit {

int HighContrastColorIndex(Color designed, ColorRole role) {
  if (designed.system != SystemColor::None) return -1;
  const int high = std::max({designed.r, designed.g, designed.b});
  const int low = std::min({designed.r, designed.g, designed.b});
  // Greys differ from channel to channel by a rounding at most.
  const bool coloured = high - low > 32;
  switch (role) {
    case ColorRole::Text:
      return coloured ? COLOR_HOTLIGHT : COLOR_WINDOWTEXT;
    case ColorRole::Line:
      if (coloured) return COLOR_HOTLIGHT;
      return low >= 192 ? COLOR_3DHIGHLIGHT : COLOR_WINDOWTEXT;
    case ColorRole::Background:
      return low >= 240 ? COLOR_WINDOW : COLOR_BTNFACE;
  }
  return -1;
}

bool HighContrastOn() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

Color DrawnColor(Color designed, ColorRole role, bool highContrast) {
  const int index = highContrast ? HighContrastColorIndex(designed, role) : -1;
  if (index < 0) return designed;
  const COLORREF system = ::GetSysColor(index);
  return Color::Rgb(GetRValue(system), GetGValue(system), GetBValue(system));
}

}  // namespace quillbit
