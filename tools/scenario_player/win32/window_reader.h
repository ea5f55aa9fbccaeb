#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "core/shown_control.h"

namespace quillbit::scenario {

// Where a menu item is in a window's menu bar: the menus from the bar down to the one that
// holds it, and its place in each.
struct MenuPath {
  struct Step {
    HMENU menu = nullptr;
    int position = 0;
  };
  std::vector<Step> steps;  // the bar's first; the item is the last step's
};

// The item carrying `id` in the window's menu bar, hidden items being absent from it; none when
// the bar does not show it.
std::optional<MenuPath> FindMenuItem(HWND window, UINT id);

// What a person reads on a menu item, from the menu: shown when the bar has it, its text,
// whether it is grayed and, for an item that can show a check mark, whether it does (value 1).
ShownControl ReadMenuItem(HWND window, UINT id, std::string name, bool checkable = false);

// The colour the control's text is drawn with: what its window answers the control's own
// WM_CTLCOLOR* question with, or the system's colour where the system draws the text itself.
std::string DrawnTextColor(HWND control);

// Whether the control takes the focus as the system gives it: a tab stop, or an option button,
// which the arrows and a click reach in its group.
bool TakesFocus(HWND control);

// The number of keyboard moves from a menu's first item to its item at `position`: the menu
// loop's arrows pass over separators.
int MovesTo(HMENU menu, int position);

}  // namespace quillbit::scenario
