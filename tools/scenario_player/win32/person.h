#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

namespace quillbit::scenario {

// A person at the keyboard and mouse of the program's windows. A key goes down and up as the
// messages a keyboard produces (WM_SYSKEYDOWN and WM_SYSKEYUP while Alt is held without Ctrl),
// posted to the window the key goes to and delivered through the program's own loop, so that
// the window's key preview and the dialog keys see it and TranslateMessage makes its character.
// The thread's keyboard state holds every key that is down, so that GetKeyState reports the
// modifiers held. The mouse clicks with the left button at a window's centre.
class Person {
 public:
  // One key's press or release at `target`, while it exists.
  void KeyEvent(HWND target, int virtualKey, bool press);
  // A key press and release per character; the keys go wherever the focus is by then.
  void Type(HWND target, std::wstring_view text);
  // Each key pressed and released at `target`, typed ahead: all queued before the first is
  // delivered, so that a modal loop an early key starts (the menu's) reads the others.
  void TypeAhead(HWND target, const std::vector<int>& virtualKeys);

  // A press and release of the left button at the window's centre, with the modifiers `held`
  // (a mask of kShiftMask, kCtrlMask, kAltMask).
  void Click(HWND window, int held);
  // The same at a point of the window's client area; the mouse is over it first.
  void ClickAt(HWND window, POINT at, int held);

 private:
  void Key(HWND target, int virtualKey, bool press, LPARAM packet = 0);
  void PostKey(HWND target, int virtualKey, bool press, LPARAM packet = 0);
};

}  // namespace quillbit::scenario
