#include "core/pointer_shapes.h"

#include <array>
#include <cstddef>

namespace quillbit {
namespace {

// One text per row: 'X' black outline, 'o' white, '.' clear.
constexpr std::array<const char*, kHandPointerSize> kHand = {
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

}  // namespace

PointerPixel HandPointerPixel(int x, int y) {
  if (x < 0 || y < 0 || x >= kHandPointerSize || y >= kHandPointerSize) return PointerPixel::Clear;
  switch (kHand[static_cast<std::size_t>(y)][x]) {
    case 'X':
      return PointerPixel::Black;
    case 'o':
      return PointerPixel::White;
    default:
      return PointerPixel::Clear;
  }
}

}  // namespace quillbit
