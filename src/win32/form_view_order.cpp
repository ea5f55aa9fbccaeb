// The order of the form's windows, which is the order of the tab key, and where the focus goes.
#include <algorithm>
#include <climits>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "win32/form_view.h"

namespace quillbit {
namespace {

void SetStyleBit(HWND window, LONG_PTR bit, bool on) {
  const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
  const LONG_PTR wanted = on ? (style | bit) : (style & ~bit);
  if (wanted != style) ::SetWindowLongPtrW(window, GWL_STYLE, wanted);
}

}  // namespace

// The dialog manager moves the focus through the windows in their z-order, and the platform's
// accessibility layer names a box or list after the static text just before it; so the z-order
// is the tab order, with each control's caption label just before the first control it names.
// Then come the other windows, each later one of the list above the earlier ones it overlaps;
// the frames last, under everything they hold.
void Win32FormView::OrderWindows() {
  std::vector<const Binding*> focusable, others, frames;
  for (const Binding& b : bindings_) {
    if (b.window == nullptr) continue;
    const ControlDesign& design = b.control->Design();
    if (KindOf(b)->TakesFocus(design)) {
      focusable.push_back(&b);
    } else if (design.kind == ControlKind::Frame) {
      frames.insert(frames.begin(), &b);
    } else {
      others.insert(others.begin(), &b);
    }
  }
  std::stable_sort(focusable.begin(), focusable.end(), [](const Binding* a, const Binding* b) {
    const int ta = a->control->Design().tab, tb = b->control->Design().tab;
    // A control without a place in the tab order comes after those with one.
    return (ta < 0 ? INT_MAX : ta) < (tb < 0 ? INT_MAX : tb);
  });
  std::vector<const Binding*> order;
  for (const Binding* b : focusable) {
    const std::string& labelName = b->control->Design().labelledBy;
    const auto label = std::find_if(others.begin(), others.end(), [&](const Binding* other) {
      return !labelName.empty() && other->control->Name() == labelName && other->frame == b->frame;
    });
    if (label != others.end()) {
      order.push_back(*label);
      others.erase(label);
    }
    order.push_back(b);
  }
  order.insert(order.end(), others.begin(), others.end());
  order.insert(order.end(), frames.begin(), frames.end());
  HWND above = HWND_TOP;
  const Binding* previous = nullptr;
  for (const Binding* b : order) {
    ::SetWindowPos(b->window, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = b->window;
    // A group of option buttons runs from its first button to the next window of another kind;
    // the arrow keys move within it.
    const ControlDesign& design = b->control->Design();
    const bool continuesGroup = previous != nullptr && design.kind == ControlKind::Option &&
                                previous->control->Kind() == ControlKind::Option &&
                                previous->control->Design().group == design.group &&
                                previous->frame == b->frame;
    SetStyleBit(b->window, WS_GROUP, !continuesGroup);
    previous = b;
  }
}

// A control that is hidden or disabled while it has the focus hands it on to the next one.
void Win32FormView::MoveFocusFrom(HWND window) {
  if (::GetFocus() != window) return;
  const HWND next = ::GetNextDlgTabItem(form_, window, FALSE);
  ::SetFocus(next != nullptr && next != window ? next : form_);
}

// Tab reaches a group of option buttons at its selected button (at its first when none is), and
// the arrow keys move within the group.
void Win32FormView::RefreshGroupTabStops() {
  std::map<std::pair<int, std::string>, std::vector<const Binding*>> groups;
  for (const Binding& b : bindings_) {
    if (b.window != nullptr && b.control->Kind() == ControlKind::Option)
      groups[{b.frame, b.control->Design().group}].push_back(&b);
  }
  for (auto& [key, buttons] : groups) {
    std::stable_sort(buttons.begin(), buttons.end(), [](const Binding* a, const Binding* b) {
      return a->control->Design().tab < b->control->Design().tab;
    });
    const bool anySelected = std::any_of(buttons.begin(), buttons.end(),
                                         [](const Binding* b) { return b->control->Value(); });
    for (const Binding* b : buttons) {
      const bool stop = anySelected ? b->control->Value() != 0 : b == buttons.front();
      SetStyleBit(b->window, WS_TABSTOP, stop);
    }
  }
}

}  // namespace quillbit
