#pragma once

namespace quillbit {

// What one pixel of a mouse pointer's picture is.
enum class PointerPixel { Clear, Black, White };

// The pointer over a link: a white pointing hand with a black outline, index finger up, 32 x 32
// with its hot spot on the fingertip. Each front end turns it into its own kind of cursor.
inline constexpr int kHandPointerSize = 32;
inline constexpr int kHandPointerHotSpotX = 13;
inline constexpr int kHandPointerHotSpotY = 5;

// The pixel at column `x`, row `y` (0 to 31); Clear outside the picture.
PointerPixel HandPointerPixel(int x, int y);

}  // namespace quillbit
