#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ports.h"

namespace quillbit::testing_support {

// Notes every message box instead of showing it; `onShow` runs while the box would be up.
class RecordingMessages : public MessageBoxPort {
 public:
  struct Shown {
    std::string caption;
    std::string text;
  };
  void ShowMessage(std::string_view caption, std::string_view text) override {
    shown.push_back({std::string(caption), std::string(text)});
    if (onShow) onShow();
  }
  std::vector<Shown> shown;
  std::function<void()> onShow;
};

// A screen of a given size in twips; `onQuery` runs when a window asks for it.
class FixedScreen : public ScreenPort {
 public:
  FixedScreen() = default;
  FixedScreen(float screenWidth, float screenHeight) : width(screenWidth), height(screenHeight) {}
  float ScreenWidthTwips() const override {
    if (onQuery) onQuery();
    return width;
  }
  float ScreenHeightTwips() const override { return height; }
  float width = 1920 * 15;
  float height = 1080 * 15;
  std::function<void()> onQuery;
};

}  // namespace quillbit::testing_support
