#include "win32/hand_pointer.h"

#include <gtest/gtest.h>

#include "core/pointer_shapes.h"

namespace quillbit {
namespace {

constexpr int kMaskBytes = 32 * 4;

bool Bit(const std::array<std::uint8_t, kHandMaskBytes>& bits, int offset, int x, int y) {
  const std::uint8_t byte = bits[static_cast<std::size_t>(offset + y * 4 + x / 8)];
  return (byte & (0x80u >> (x % 8))) != 0;
}

TEST(HandPointerMasks, EveryPixelHasItsMaskBits) {
  const auto bits = HandPointerMasks();
  for (int y = 0; y < kHandPointerSize; ++y) {
    for (int x = 0; x < kHandPointerSize; ++x) {
      const bool andBit = Bit(bits, 0, x, y);
      const bool xorBit = Bit(bits, kMaskBytes, x, y);
      switch (HandPointerPixel(x, y)) {
        case PointerPixel::Clear:
          EXPECT_TRUE(andBit && !xorBit) << x << "," << y;
          break;
        case PointerPixel::Black:
          EXPECT_TRUE(!andBit && !xorBit) << x << "," << y;
          break;
        case PointerPixel::White:
          EXPECT_TRUE(!andBit && xorBit) << x << "," << y;
          break;
      }
    }
  }
}

TEST(HandPointerMasks, TheFingertipIsOutlinedAndTheCornerClear) {
  const auto bits = HandPointerMasks();
  EXPECT_FALSE(Bit(bits, 0, 13, 5));  // the hot spot, on the outline
  EXPECT_FALSE(Bit(bits, kMaskBytes, 13, 5));
  EXPECT_TRUE(Bit(bits, 0, 0, 0));
  EXPECT_TRUE(Bit(bits, kMaskBytes, 12, 6));  // white inside the finger
}

TEST(HandPointer, IsACursorWithItsHotSpotOnTheFingertip) {
  const HandPointer hand;
  ASSERT_NE(hand.Handle(), nullptr);
  ICONINFO info{};
  ASSERT_TRUE(::GetIconInfo(hand.Handle(), &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, static_cast<DWORD>(kHandPointerHotSpotX));
  EXPECT_EQ(info.yHotspot, static_cast<DWORD>(kHandPointerHotSpotY));
  if (info.hbmMask != nullptr) ::DeleteObject(info.hbmMask);
  if (info.hbmColor != nullptr) ::DeleteObject(info.hbmColor);
}

}  // namespace
}  // namespace quillbit
