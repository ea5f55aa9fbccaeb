#include "win32/high_contrast.h"

#include <algorithm>
#include <cmath>

namespace quillbit {
namespace {

constexpr double kReadableContrast = 4.5;

// Relative luminance of an sRGB colour.
double Luminance(COLORREF color) {
  const auto linear = [](int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(GetRValue(color)) + 0.7152 * linear(GetGValue(color)) +
         0.0722 * linear(GetBValue(color));
}

}  // namespace

double ContrastRatio(COLORREF a, COLORREF b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

COLORREF WarningTextOn(COLORREF face, COLORREF fallback) {
  // RGB(192,0,0) on Windows' face of 240 grey reads at 5.7:1; a darker face needs a darker red.
  for (int red = 192; red >= 64; red -= 16) {
    if (ContrastRatio(RGB(red, 0, 0), face) >= kReadableContrast) return RGB(red, 0, 0);
  }
  return fallback;
}

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
  if (designed.system == SystemColor::WarningText) {
    const COLORREF text = ::GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF warning =
        highContrast ? text : WarningTextOn(::GetSysColor(COLOR_BTNFACE), text);
    return Color::Rgb(GetRValue(warning), GetGValue(warning), GetBValue(warning));
  }
  const int index = highContrast ? HighContrastColorIndex(designed, role) : -1;
  if (index < 0) return designed;
  const COLORREF system = ::GetSysColor(index);
  return Color::Rgb(GetRValue(system), GetGValue(system), GetBValue(system));
}

}  // namespace quillbit
