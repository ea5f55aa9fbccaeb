#pragma once

#include <windows.h>

namespace quillbit {

// The keys that open a window's menu bar (Alt pressed and released alone, F10), for the times
// they are pressed in a drop-down list. Some combo boxes answer every system key themselves and
// never pass these on to the default handling that opens the menu, which would leave a person
// in a list with no keyboard way to the menu. A list's own Alt combinations (Alt+Down) stay its.
class MenuKeys {
 public:
  // Looks at every key message of the window; true when it was one of these keys in a list, which
  // it has answered (the menu is asked to open on the release) and which goes nowhere else.
  bool Take(const MSG& msg, HWND window);

 private:
  bool altAlone_ = false;
  bool f10Alone_ = false;
};

// Whether the window is a drop-down list or a part of one (its edit box, its open list).
bool InDropDownList(HWND window);

}  // namespace quillbit
