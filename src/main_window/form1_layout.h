#pragma once

#include <vector>

#include "core/control.h"

namespace quillbit {

// The main window as designed: client area in twips, and every control in the order seen.
inline constexpr int kForm1ClientWidth = 6450;
inline constexpr int kForm1ClientHeight = 7170;

const std::vector<ControlDesign>& Form1Layout();

}  // namespace quillbit
