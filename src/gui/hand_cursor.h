#pragma once

#include <QCursor>
#include <QImage>
#include <QPoint>

namespace quillbit {

// The pointer over a link: a white pointing hand with a black outline, index finger up, 32 x 32
// with its hot spot on the fingertip.
inline constexpr int kHandCursorSize = 32;
inline constexpr QPoint kHandCursorHotSpot{13, 5};

// The hand as an image: opaque black and white on a transparent ground.
QImage HandCursorImage();
QCursor HandCursor();

}  // namespace quillbit
