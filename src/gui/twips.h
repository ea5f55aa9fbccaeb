#pragma once

#include <QRect>

#include "core/control.h"

namespace quillbit {

// 15 twips are one pixel at 96 dpi; a screen with another logical dpi scales with it.
int TwipsToPixels(double twips, double logicalDpi);
double PixelsToTwips(double pixels, double logicalDpi);
QRect TwipsToRect(const Twips& rect, double logicalDpi);

}  // namespace quillbit
