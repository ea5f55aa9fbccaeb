// The form window's messages about its controls: commands, the pointer, owner drawing, dropped
// files and the default button.
#include <string>
#include <vector>

#include "core/utf16_text.h"
#include "win32/form_view.h"

namespace quillbit {
namespace {

bool IsDefaultInDesign(const ControlDesign& design) {
  return design.defaultButton;
}

bool IsCancelInDesign(const ControlDesign& design) {
  return design.cancelButton;
}

}  // namespace

const Binding* Win32FormView::ButtonWhere(bool (*wanted)(const ControlDesign&)) const {
  for (const Binding& b : bindings_) {
    if (b.window != nullptr && b.control->Kind() == ControlKind::Button &&
        wanted(b.control->Design()))
      return &b;
  }
  return nullptr;
}

bool Win32FormView::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  const auto from = reinterpret_cast<HWND>(lParam);
  // The dialog manager's Enter and Esc, when no button of its own took them.
  if (code == 0 && (id == IDOK || id == IDCANCEL)) {
    const Binding* button = ButtonWhere(id == IDOK ? IsDefaultInDesign : IsCancelInDesign);
    if (button != nullptr && Reachable(button->window)) button->control->Click();
    return true;
  }
  if (from == nullptr) {
    // A menu item chosen.
    if (Control* item = menus_.ControlForCommand(id); item != nullptr && code == 0) {
      item->Click();
      return true;
    }
    return false;
  }
  Binding* b = BindingFor(from);
  if (b == nullptr) return false;
  // What a window reports while the model's changes are shown is the program's own doing.
  if (applying_ > 0) return true;
  if (b->control->Kind() == ControlKind::Button && (code == BN_SETFOCUS || code == BN_KILLFOCUS)) {
    UpdateDefaultLook();
    return true;
  }
  KindOf(*b)->Notify(*b, code);
  return true;
}

// As in a dialog, the focused push button is drawn as the one Enter presses; with the focus
// elsewhere the default button is.
void Win32FormView::UpdateDefaultLook() {
  const Binding* focused = BindingFor(::GetFocus());
  if (focused != nullptr && focused->control->Kind() != ControlKind::Button) focused = nullptr;
  for (const Binding& b : bindings_) {
    if (b.window == nullptr || b.control->Kind() != ControlKind::Button) continue;
    const bool look = focused != nullptr ? &b == focused : b.control->Design().defaultButton;
    const auto type = static_cast<DWORD>(::GetWindowLongPtrW(b.window, GWL_STYLE) & BS_TYPEMASK);
    if ((type == BS_DEFPUSHBUTTON) != look)
      ::SendMessageW(b.window, BM_SETSTYLE, (look ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_NOTIFY,
                     TRUE);
  }
}

int Win32FormView::DefaultButtonId() const {
  const Binding* focused = BindingFor(::GetFocus());
  if (focused != nullptr && focused->control->Kind() == ControlKind::Button) return focused->id;
  const Binding* button = ButtonWhere(IsDefaultInDesign);
  return button != nullptr && Reachable(button->window) ? button->id : 0;
}

bool Win32FormView::OnSetCursor(HWND under, int hitTest) {
  const Binding* b = BindingFor(under);
  if (b == nullptr || hitTest != HTCLIENT || hand_ == nullptr || hand_->Handle() == nullptr ||
      b->control->Design().pointer != MousePointer::PointingHand)
    return false;
  ::SetCursor(hand_->Handle());
  return true;
}

bool Win32FormView::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const Binding* b = BindingFor(item.hwndItem);
  return b != nullptr && KindOf(*b)->Draw(*b, item);
}

void Win32FormView::OnDropFiles(HDROP drop) {
  POINT at{};
  ::DragQueryPoint(drop, &at);
  ::ClientToScreen(form_, &at);
  std::vector<std::string> paths;
  const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring path(::DragQueryFileW(drop, i, nullptr, 0), L'\0');
    ::DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size() + 1));
    paths.push_back(Utf8Text(path));
  }
  ::DragFinish(drop);
  controls_.FilesDropped(ControlAt(at), paths);
}

}  // namespace quillbit
