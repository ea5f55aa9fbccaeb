#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/control.h"

namespace quillbit {

// The Audio Tracks window as designed: a fixed dialog frame around a client area in twips. A
// header row names the columns; below it one row per track (a label, five lists and the size),
// then the total, the length the sizes are for, and OK and Cancel.
inline constexpr int kFrmAudioTracksClientWidth = 8175;
inline constexpr int kFrmAudioTracksClientHeight = 4695;
inline constexpr std::string_view kFrmAudioTracksCaption = "Audio Tracks";

// The name of element `index` of the control array `array`: "cmbFormat(3)".
std::string ControlArrayName(std::string_view array, int index);

const std::vector<ControlDesign>& FrmAudioTracksLayout();

}  // namespace quillbit
