// Finding the controls by name, window or place, and reading back what they show.
#include <optional>
#include <string>
#include <vector>

#include "win32/form_view.h"

namespace quillbit {

Binding* Win32FormView::BindingFor(HWND window) {
  if (window == nullptr) return nullptr;
  for (Binding& b : bindings_) {
    if (b.window == window) return &b;
  }
  return nullptr;
}

const Binding* Win32FormView::BindingFor(HWND window) const {
  return const_cast<Win32FormView*>(this)->BindingFor(window);
}

HWND Win32FormView::HwndFor(std::string_view name) const {
  for (const Binding& b : bindings_) {
    if (b.control->Name() == name) return b.window;
  }
  return nullptr;
}

Control* Win32FormView::ControlFor(HWND window) const {
  for (HWND w = window; w != nullptr && w != form_; w = ::GetParent(w)) {
    if (const Binding* b = BindingFor(w)) return b->control;
  }
  return nullptr;
}

int Win32FormView::CommandIdFor(std::string_view name) const {
  for (const Binding& b : bindings_) {
    if (b.control->Name() == name) return b.id;
  }
  return 0;
}

HWND Win32FormView::FirstFocusable() const {
  const Binding* first = nullptr;
  for (const Binding& b : bindings_) {
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
  for (const Binding& b : bindings_) {
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
  for (const Binding& b : bindings_) {
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
  for (const Binding& b : bindings_) {
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

}  // namespace quillbit
