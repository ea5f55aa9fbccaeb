#pragma once

#include <string>
#include <vector>

#include "core/control.h"
#include "core/control_set.h"

namespace quillbit {

// The name a screen reader gives `control`, from the caption that stands for it on the window:
// "Total frames in movie" for the box after "Total frames in movie:", "Audio file(s) total size
// unit" for that row's unit list. Access-key markers and the trailing colon are left out.
std::string AccessibleName(const ControlSet& controls, const Control& control);

// The longer description a screen reader offers on request: the control's tooltip.
std::string AccessibleDescription(const Control& control);

// Whether the control's text names a control: its own caption, or a label's for the controls
// it stands for. A box's or a list's text (the value, the chosen item) never does, so a view
// need not rename anything on the changes of every keystroke.
bool TextNamesAControl(const Control& control);

// The controls whose accessible name is the caption of `label`, so that a view renames them
// when code rewrites that caption.
std::vector<const Control*> ControlsNamedBy(const ControlSet& controls, const Control& label);

// A caption as spoken: without "&" access-key markers ("&&" stays one "&"), surrounding blanks
// or a trailing colon.
std::string SpokenCaption(const std::string& caption);

}  // namespace quillbit
