#include "core/twips_scale.h"

#include <algorithm>
#include <cmath>

namespace quillbit {
namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kPointsPerInch = 72.0;

}  // namespace

int TwipsToPixels(double twips, double dpi) {
  return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

double PixelsToTwips(double pixels, double dpi) {
  return pixels * kTwipsPerInch / dpi;
}

PixelRect TwipsToPixelRect(const Twips& rect, double dpi) {
  return TwipsToPixelRect(rect, 0, 0, dpi);
}

PixelRect TwipsToPixelRect(const Twips& rect, int originLeft, int originTop, double dpi) {
  const int left = TwipsToPixels(originLeft + rect.left, dpi);
  const int top = TwipsToPixels(originTop + rect.top, dpi);
  const int right = TwipsToPixels(originLeft + rect.left + rect.width, dpi);
  const int bottom = TwipsToPixels(originTop + rect.top + rect.height, dpi);
  return {left, top, right - left, bottom - top};
}

int PointsToPixelHeight(double points, double dpi) {
  return static_cast<int>(std::lround(points * dpi / kPointsPerInch));
}

LineBox LineToPixels(const Twips& ends, int originLeft, int originTop, int width, double dpi) {
  const int x1 = TwipsToPixels(originLeft + ends.left, dpi);
  const int y1 = TwipsToPixels(originTop + ends.top, dpi);
  const int x2 = TwipsToPixels(originLeft + ends.width, dpi);
  const int y2 = TwipsToPixels(originTop + ends.height, dpi);
  const int pen = std::max(1, width);
  // The box starts at the upper left end and reaches a pen's width past the lower right one.
  const int left = std::min(x1, x2);
  const int top = std::min(y1, y2);
  LineBox line;
  line.box = {left, top, std::abs(x2 - x1) + pen, std::abs(y2 - y1) + pen};
  line.x1 = x1 - left;
  line.y1 = y1 - top;
  line.x2 = x2 - left;
  line.y2 = y2 - top;
  return line;
}

int ScaleFromDesignDpi(int pixels, double dpi) {
  return static_cast<int>(std::lround(static_cast<double>(pixels) * dpi / kDesignDpi));
}

}  // namespace quillbit
