#include "gui/warning_color.h"

#include <algorithm>
#include <cmath>

namespace quillbit {
namespace {

double Linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& color) {
  const QColor rgb = color.toRgb();
  return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) + 0.0722 * Linear(rgb.blueF());
}

// The reds tried, most saturated first: on a light window ever darker, on a dark one ever
// paler, so that the first that is readable is also the most clearly red.
constexpr int kDarkRedStart = 0xC0;
constexpr int kPaleRedStart = 0x60;
constexpr int kStep = 8;

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor WarningTextColor(const QPalette& palette) {
  const QColor window = palette.color(QPalette::Window);
  // The darker end (black) or the paler end (white), whichever the window leaves more room to.
  const bool lightWindow = ContrastRatio(window, Qt::black) >= ContrastRatio(window, Qt::white);
  if (lightWindow) {
    for (int red = kDarkRedStart; red > 0; red -= kStep) {
      const QColor color(red, 0, 0);
      if (ContrastRatio(color, window) >= kWarningMinContrast) return color;
    }
    return QColor(Qt::black);
  }
  for (int pale = kPaleRedStart; pale < 0xFF; pale += kStep) {
    const QColor color(0xFF, pale, pale);
    if (ContrastRatio(color, window) >= kWarningMinContrast) return color;
  }
  return QColor(Qt::white);
}

}  // namespace quillbit
