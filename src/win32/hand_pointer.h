#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

namespace quillbit {

// The hand's two monochrome masks as a cursor takes them: the AND mask's 32 rows, then the XOR
// mask's, 4 bytes a row, the leftmost pixel in the highest bit. Clear pixels are AND 1, XOR 0;
// black ones AND 0, XOR 0; white ones AND 0, XOR 1.
inline constexpr int kHandMaskBytes = 2 * 32 * 4;
std::array<std::uint8_t, kHandMaskBytes> HandPointerMasks();

// The pointer over a link, with its hot spot on the fingertip; the owner destroys it.
class HandPointer {
 public:
  HandPointer();
  ~HandPointer();
  HandPointer(const HandPointer&) = delete;
  HandPointer& operator=(const HandPointer&) = delete;

  // Null when the system refused to make it; the arrow is shown then.
  HCURSOR Handle() const { return cursor_; }

 private:
  HCURSOR cursor_ = nullptr;
};

}  // namespace quillbit
