#pragma once

#include <QCursor>
#include <QImage>
#include <QPoint>

#include "core/pointer_shapes.h"

namespace quillbit {

// The hand pointer of core/pointer_shapes.h as Qt draws it.
inline constexpr int kHandCursorSize = kHandPointerSize;
inline constexpr QPoint kHandCursorHotSpot{kHandPointerHotSpotX, kHandPointerHotSpotY};

// The hand as an image: opaque black and white on a transparent ground.
QImage HandCursorImage();
QCursor HandCursor();

}  // namespace quillbit
