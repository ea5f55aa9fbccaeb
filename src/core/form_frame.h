#pragma once

#include <string>

#include "core/ports.h"

namespace quillbit {

// A fixed dialog frame with a caption bar at 96 dpi around the client area, in twips, until the
// host reports the real one.
inline constexpr float kDialogFrameWidthTwips = 2 * 3 * 15;
inline constexpr float kDialogFrameHeightTwips = (2 * 3 + 19) * 15;

// A window as its model sees it: the caption, and the outer position and size in twips. The
// size starts as the client area plus a frame of the given style at 96 dpi; the host reports
// the real outer size (frame and any menu bar included) before the window loads.
class FormFrame {
 public:
  FormFrame(std::string caption, float outerWidth, float outerHeight)
      : caption_(std::move(caption)), width_(outerWidth), height_(outerHeight) {}

  const std::string& Caption() const { return caption_; }
  float Left() const { return left_; }
  float Top() const { return top_; }
  float Width() const { return width_; }
  float Height() const { return height_; }
  void SetOuterSize(float width, float height) {
    width_ = width;
    height_ = height;
  }

 protected:
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  // Centred by the outer size, in single precision; a screen smaller than the window gives a
  // negative position, which is kept.
  void CenterOn(const ScreenPort& screen) {
    left_ = (screen.ScreenWidthTwips() - width_) / 2.0f;
    top_ = (screen.ScreenHeightTwips() - height_) / 2.0f;
  }

 private:
  std::string caption_;
  float left_ = 0;
  float top_ = 0;
  float width_;
  float height_;
};

}  // namespace quillbit
