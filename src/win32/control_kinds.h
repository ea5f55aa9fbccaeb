#pragma once

#include "win32/control_kind.h"

namespace quillbit {

// The units of the kinds, each stateless and shared by every view; WinControlKindOf picks one.
const WinControlKind& LabelControlKind();
const WinControlKind& TextBoxControlKind();
const WinControlKind& ListControlKind();
const WinControlKind& OptionControlKind();
const WinControlKind& CheckBoxControlKind();
const WinControlKind& FrameControlKind();
const WinControlKind& ButtonControlKind();
const WinControlKind& PictureControlKind();
const WinControlKind& LineControlKind();

}  // namespace quillbit
