#pragma once

#include "core/control.h"

namespace quillbit {

// A rectangle in a window's pixels.
struct PixelRect {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const PixelRect&) const = default;
};

// The resolution the designs were drawn at: 15 twips to the pixel.
inline constexpr int kDesignDpi = 96;

// Twips are 1/1440 inch: a window at another resolution scales with it.
int TwipsToPixels(double twips, double dpi);
double PixelsToTwips(double pixels, double dpi);
// Edges are rounded, not the size, so that neighbours that touch in twips touch on screen.
PixelRect TwipsToPixelRect(const Twips& rect, double dpi);
// The same rectangle moved by a container's origin in twips (a control inside a frame).
PixelRect TwipsToPixelRect(const Twips& rect, int originLeft, int originTop, double dpi);

// A font's character height in pixels for a size in points (the negative lfHeight asks for it).
int PointsToPixelHeight(double points, double dpi);

// A line from (x1, y1) to (x2, y2) in twips, drawn `width` pixels wide: the box that holds it,
// and its two ends inside that box.
struct LineBox {
  PixelRect box;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
LineBox LineToPixels(const Twips& ends, int originLeft, int originTop, int width, double dpi);

// A size in pixels at 96 dpi (an icon, a pen) at another resolution.
int ScaleFromDesignDpi(int pixels, double dpi);

}  // namespace quillbit
