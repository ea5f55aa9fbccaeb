#include "gui/hand_cursor.h"

#include <QPixmap>

namespace quillbit {
namespace {

QRgb QtPixel(PointerPixel pixel) {
  switch (pixel) {
    case PointerPixel::Black:
      return qRgba(0, 0, 0, 255);
    case PointerPixel::White:
      return qRgba(255, 255, 255, 255);
    case PointerPixel::Clear:
      break;
  }
  return qRgba(0, 0, 0, 0);
}

}  // namespace

QImage HandCursorImage() {
  QImage image(kHandCursorSize, kHandCursorSize, QImage::Format_ARGB32);
  for (int y = 0; y < kHandCursorSize; ++y) {
    for (int x = 0; x < kHandCursorSize; ++x) image.setPixel(x, y, QtPixel(HandPointerPixel(x, y)));
  }
  return image;
}

QCursor HandCursor() {
  return QCursor(QPixmap::fromImage(HandCursorImage()), kHandCursorHotSpot.x(),
                 kHandCursorHotSpot.y());
}

}  // namespace quillbit
