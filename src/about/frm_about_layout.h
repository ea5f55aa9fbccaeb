#pragma once

#include <string_view>
#include <vector>

#include "core/control.h"

namespace quillbit {

// The About window as designed: a fixed dialog frame (no resizing, no minimize or maximize box,
// not in the taskbar) around a client area in twips, and every control from the top down.
inline constexpr int kFrmAboutClientWidth = 7050;
inline constexpr int kFrmAboutClientHeight = 5820;
inline constexpr std::string_view kFrmAboutDesignCaption = "About MyApp";
// The image `picIcon` shows: the application's 32 x 32 icon.
inline constexpr std::string_view kAboutIconPicture = "app-icon";

// The link labels' captions are their targets, so the two addresses are part of the design.
std::vector<ControlDesign> FrmAboutLayout(std::string_view downloadAddress,
                                          std::string_view emailAddress);

}  // namespace quillbit
