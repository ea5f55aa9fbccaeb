// The colours the controls are drawn in: their own, or the system's where the user asks for
// high contrast.
#include "win32/form_view.h"

namespace quillbit {

void Win32FormView::ShowDrawnColors(Binding& b) {
  const ColorRole text = b.control->Kind() == ControlKind::Line ? ColorRole::Line : ColorRole::Text;
  b.fore = DrawnColor(b.control->ForeColor(), text, highContrast_);
  b.back = DrawnColor(b.control->BackColor(), ColorRole::Background, highContrast_);
}

void Win32FormView::ColorsChanged(bool highContrast) {
  highContrast_ = highContrast;
  for (Binding& b : bindings_) {
    if (b.window != nullptr) ShowDrawnColors(b);
  }
  ::RedrawWindow(form_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HBRUSH Win32FormView::OnControlColor(HDC dc, HWND control) {
  const Binding* b = BindingFor(control);
  // Push buttons are drawn by the system in the desktop's colours.
  if (b == nullptr || b->control->Kind() == ControlKind::Button) return nullptr;
  ::SetTextColor(dc, ColorRefOf(b->fore));
  ::SetBkColor(dc, ColorRefOf(b->back));
  return brushes_.Get(b->back);
}

}  // namespace quillbit
