#include "gui/twips.h"

#include <cmath>

namespace quillbit {
namespace {

constexpr double kTwipsPerPixelAt96 = 15.0;
constexpr double kBaseDpi = 96.0;

}  // namespace

int TwipsToPixels(double twips, double logicalDpi) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixelAt96 * logicalDpi / kBaseDpi));
}

double PixelsToTwips(double pixels, double logicalDpi) {
  return pixels * kTwipsPerPixelAt96 * kBaseDpi / logicalDpi;
}

QRect TwipsToRect(const Twips& rect, double logicalDpi) {
  // Edges are rounded, not the size, so that neighbours that touch in twips touch on screen.
  const int left = TwipsToPixels(rect.left, logicalDpi);
  const int top = TwipsToPixels(rect.top, logicalDpi);
  const int right = TwipsToPixels(rect.left + rect.width, logicalDpi);
  const int bottom = TwipsToPixels(rect.top + rect.height, logicalDpi);
  return {left, top, right - left, bottom - top};
}

}  // namespace quillbit
