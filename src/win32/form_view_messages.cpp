// The form window's messages about its controls, and finding and reading the controls.
#include <string>
#include <vector>

#include "settings/windows_text.h"
#include "win32/form_view.h"

namespace quillbit {
namespace {

bool IsDefaultInDesign(const ControlDesign& design) {
  return design.defaultButton;
}

bool IsCancelInDesign(const ControlDesign& design) {
  return design.cancelButton;
}

bool Reachable(HWND window) {
  return window != nullptr && ::IsWindowVisible(window) && ::IsWindowEnabled(window);
}

}  // namespace

WinBinding* Win32FormView::BindingFor(HWND window) {
  if (window == nullptr) return nullptr;
  for (WinBinding& b : bindings_) {
    if (b.window == window) return &b;
  }
  return nullptr;
}

const WinBinding* Win32FormView::BindingFor(HWND window) const {
  return const_cast<Win32FormView*>(this)->BindingFor(window);
}

const WinBinding* Win32FormView::ButtonWhere(bool (*wanted)(const ControlDesign&)) const {
  for (const WinBinding& b : bindings_) {
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
    const WinBinding* button = ButtonWhere(id == IDOK ? IsDefaultInDesign : IsCancelInDesign);
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
  WinBinding* b = BindingFor(from);
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
  const WinBinding* focused = BindingFor(::GetFocus());
  if (focused != nullptr && focused->control->Kind() != ControlKind::Button) focused = nullptr;
  for (const WinBinding& b : bindings_) {
    if (b.window == nullptr || b.control->Kind() != ControlKind::Button) continue;
    const bool look = focused != nullptr ? &b == focused : b.control->Design().defaultButton;
    const auto type = static_cast<DWORD>(::GetWindowLongPtrW(b.window, GWL_STYLE) & BS_TYPEMASK);
    if ((type == BS_DEFPUSHBUTTON) != look)
      ::SendMessageW(b.window, BM_SETSTYLE, (look ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_NOTIFY,
                     TRUE);
  }
}

int Win32FormView::DefaultButtonId() const {
  const WinBinding* focused = BindingFor(::GetFocus());
  if (focused != nullptr && focused->control->Kind() == ControlKind::Button) return focused->id;
  const WinBinding* button = ButtonWhere(IsDefaultInDesign);
  return button != nullptr && Reachable(button->window) ? button->id : 0;
}

HBRUSH Win32FormView::OnControlColor(HDC dc, HWND control) {
  const WinBinding* b = BindingFor(control);
  // Push buttons are drawn by the system in the desktop's colours.
  if (b == nullptr || b->control->Kind() == ControlKind::Button) return nullptr;
  ::SetTextColor(dc, ColorRefOf(b->fore));
  ::SetBkColor(dc, ColorRefOf(b->back));
  return brushes_.Get(b->back);
}

bool Win32FormView::OnSetCursor(HWND under, int hitTest) {
  const WinBinding* b = BindingFor(under);
  if (b == nullptr || hitTest != HTCLIENT || hand_ == nullptr || hand_->Handle() == nullptr ||
      b->control->Design().pointer != MousePointer::PointingHand)
    return false;
  ::SetCursor(hand_->Handle());
  return true;
}

bool Win32FormView::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const WinBinding* b = BindingFor(item.hwndItem);
  return b != nullptr && KindOf(*b)->Draw(*b, item);
}

HWND Win32FormView::HwndFor(std::string_view name) const {
  for (const WinBinding& b : bindings_) {
    if (b.control->Name() == name) return b.window;
  }
  return nullptr;
}

Control* Win32FormView::ControlFor(HWND window) const {
  for (HWND w = window; w != nullptr && w != form_; w = ::GetParent(w)) {
    if (const WinBinding* b = BindingFor(w)) return b->control;
  }
  return nullptr;
}

int Win32FormView::CommandIdFor(std::string_view name) const {
  for (const WinBinding& b : bindings_) {
    if (b.control->Name() == name) return b.id;
  }
  return 0;
}

HWND Win32FormView::FirstFocusable() const {
  const WinBinding* first = nullptr;
  for (const WinBinding& b : bindings_) {
    const ControlDesign& design = b.control->Design();
    if (b.window == nullptr || design.tab < 0 || !KindOf(b)->TakesFocus(design) ||
        !Reachable(b.window))
      continue;
    if (first == nullptr || design.tab < first->control->Design().tab) first = &b;
  }
  return first != nullptr ? first->window : nullptr;
}

std::vector<ShownControl> Win32FormView::ShownControls() const {
  std::vector<ShownControl> shown;
  for (const WinBinding& b : bindings_) {
    if (b.control->Kind() == ControlKind::Menu) {
      shown.push_back(menus_.Read(*b.control));
    } else if (b.window != nullptr) {
      shown.push_back(KindOf(b)->Read(b));
      shown.back().toolTip = ShownToolTip(b);
    }
  }
  return shown;
}

std::optional<ShownControl> Win32FormView::Shown(std::string_view name) const {
  for (const WinBinding& b : bindings_) {
    if (b.control->Name() != name) continue;
    if (b.control->Kind() == ControlKind::Menu) return menus_.Read(*b.control);
    if (b.window != nullptr) {
      ShownControl shown = KindOf(b)->Read(b);
      shown.toolTip = ShownToolTip(b);
      return shown;
    }
  }
  return std::nullopt;
}

Control* Win32FormView::ControlAt(POINT screenPoint) const {
  Control* found = nullptr;
  long long foundArea = 0;
  for (const WinBinding& b : bindings_) {
    RECT rect{};
    if (b.window == nullptr || !::IsWindowVisible(b.window) || !::GetWindowRect(b.window, &rect) ||
        !::PtInRect(&rect, screenPoint))
      continue;
    const long long area =
        static_cast<long long>(rect.right - rect.left) * (rect.bottom - rect.top);
    if (found == nullptr || area < foundArea) {
      found = b.control;
      foundArea = area;
    }
  }
  return found;
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
