#include "win32/hand_pointer.h"

#include "core/pointer_shapes.h"

namespace quillbit {
namespace {

constexpr int kRowBytes = kHandPointerSize / 8;
constexpr int kMaskBytes = kHandPointerSize * kRowBytes;

}  // namespace

std::array<std::uint8_t, kHandMaskBytes> HandPointerMasks() {
  static_assert(kHandMaskBytes == 2 * kMaskBytes);
  std::array<std::uint8_t, kHandMaskBytes> bits{};
  for (int y = 0; y < kHandPointerSize; ++y) {
    for (int x = 0; x < kHandPointerSize; ++x) {
      const auto bit = static_cast<std::uint8_t>(0x80u >> (x % 8));
      const std::size_t at = static_cast<std::size_t>(y * kRowBytes + x / 8);
      switch (HandPointerPixel(x, y)) {
        case PointerPixel::Clear:
          bits[at] |= bit;
          break;
        case PointerPixel::White:
          bits[kMaskBytes + at] |= bit;
          break;
        case PointerPixel::Black:
          break;
      }
    }
  }
  return bits;
}

HandPointer::HandPointer() {
  const std::array<std::uint8_t, kHandMaskBytes> bits = HandPointerMasks();
  // Without a colour bitmap the mask bitmap is twice as high: the AND mask above the XOR mask.
  const HBITMAP mask = ::CreateBitmap(kHandPointerSize, 2 * kHandPointerSize, 1, 1, bits.data());
  if (mask == nullptr) return;
  ICONINFO info{};
  info.fIcon = FALSE;
  info.xHotspot = kHandPointerHotSpotX;
  info.yHotspot = kHandPointerHotSpotY;
  info.hbmMask = mask;
  info.hbmColor = nullptr;
  cursor_ = ::CreateIconIndirect(&info);
  ::DeleteObject(mask);
}

HandPointer::~HandPointer() {
  if (cursor_ != nullptr) ::DestroyCursor(cursor_);
}

}  // namespace quillbit
