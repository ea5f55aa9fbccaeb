#pragma once

#include <vector>

#include "core/control.h"

namespace quillbit {

// The main window as designed: client area in twips, and every control in the order seen.
inline constexpr int kForm1ClientWidth = 6450;
// The designed window was 7170 twips high; the limits line below it adds one line.
inline constexpr int kForm1LimitsTop = 7110;
inline constexpr int kForm1ClientHeight = 7470;

const std::vector<ControlDesign>& Form1Layout();

}  // namespace quillbit
