#pragma once

#include <QRect>

#include "core/twips_scale.h"

namespace quillbit {

// A rectangle in twips as a Qt rectangle at the screen's logical dpi.
QRect TwipsToRect(const Twips& rect, double logicalDpi);

}  // namespace quillbit
