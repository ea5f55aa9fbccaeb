#include "gui/twips.h"

namespace quillbit {

QRect TwipsToRect(const Twips& rect, double logicalDpi) {
  const PixelRect pixels = TwipsToPixelRect(rect, logicalDpi);
  return {pixels.left, pixels.top, pixels.width, pixels.height};
}

}  // namespace quillbit
