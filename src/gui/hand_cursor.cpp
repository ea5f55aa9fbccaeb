#include "gui/hand_cursor.h"

#include <QPixmap>
#include <array>

namespace quillbit {
namespace {

// One text per row: 'X' black outline, 'o' white, '.' transparent.
constexpr std::array<const char*, kHandCursorSize> kHand = {
    "................................", "................................",
    "................................", "................................",
    "................................", "............XXX.................",
    "...........XoooX................", "...........XoooX................",
    "...........XoooX................", "...........XoooX................",
    "...........XoooXXXX.............", "...........XoooXoooXXXX.........",
    "...........XoooXoooXoooX........", "...........XoooXoooXoooXXX......",
    "...........XoooXoooXoooXooX.....", "...........XoooooooXoooXooX.....",
    "........XX.XoooooooooooXooX.....", ".......XooXXooooooooooooooX.....",
    ".......XoooXooooooooooooooX.....", "........XoooooooooooooooooX.....",
    "........XoooooooooooooooooX.....", ".........XooooooooooooooooX.....",
    ".........XooooooooooooooooX.....", "..........XoooooooooooooooX.....",
    "...........XoooooooooooooX......", "...........XoooooooooooooX......",
    "...........XoooooooooooooX......", "............XoooooooooooX.......",
    ".............XXXXXXXXXXX........", "................................",
    "................................", "................................",
};

QRgb PixelFor(char c) {
  switch (c) {
    case 'X':
      return qRgba(0, 0, 0, 255);
    case 'o':
      return qRgba(255, 255, 255, 255);
    default:
      return qRgba(0, 0, 0, 0);
  }
}

}  // namespace

QImage HandCursorImage() {
  QImage image(kHandCursorSize, kHandCursorSize, QImage::Format_ARGB32);
  for (int y = 0; y < kHandCursorSize; ++y) {
    const char* row = kHand[static_cast<size_t>(y)];
    for (int x = 0; x < kHandCursorSize; ++x) image.setPixel(x, y, PixelFor(row[x]));
  }
  return image;
}

QCursor HandCursor() {
  return QCursor(QPixmap::fromImage(HandCursorImage()), kHandCursorHotSpot.x(),
                 kHandCursorHotSpot.y());
}

}  // namespace quillbit
