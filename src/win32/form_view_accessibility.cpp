// What screen readers call the controls, beyond what their windows say themselves.
#include "core/accessible_name.h"
#include "win32/form_view.h"

namespace quillbit {

// A box or list is named by the caption that stands for it, which Windows' own rule finds only
// where that label is the window just before it; the name is given outright so that every
// control reads the same, the colon left out. Controls that name themselves (buttons, check
// boxes) are left to the platform.
void Win32FormView::ShowAccessibleName(const Binding& b) {
  const ControlDesign& design = b.control->Design();
  if (b.window == nullptr || (design.labelledBy.empty() && design.accessibleName.empty())) return;
  annotations_.SetName(b.window, AccessibleName(controls_, *b.control));
}

// The tooltip is what a person hovering reads; a screen reader offers it as the description.
void Win32FormView::ShowAccessibleDescription(const Binding& b) {
  if (b.window == nullptr) return;
  annotations_.SetDescription(b.window, AccessibleDescription(*b.control));
}

// Code rewrote a caption: the controls it names are renamed with it.
void Win32FormView::RenameControlsNamedBy(const Binding& label) {
  for (const Control* named : ControlsNamedBy(controls_, *label.control)) {
    for (const Binding& b : bindings_) {
      if (b.control == named) ShowAccessibleName(b);
    }
  }
}

}  // namespace quillbit
