#include "win32/menu_keys.h"

#include <cwchar>
#include <iterator>

namespace quillbit {
namespace {

bool HasClass(HWND window, const wchar_t* className) {
  wchar_t name[32] = {};
  return window != nullptr &&
         ::GetClassNameW(window, name, static_cast<int>(std::size(name))) != 0 &&
         ::_wcsicmp(name, className) == 0;
}

bool Repeated(const MSG& msg) {
  return (HIWORD(msg.lParam) & KF_REPEAT) != 0;
}

}  // namespace

bool InDropDownList(HWND window) {
  return HasClass(window, L"ComboBox") || HasClass(window, L"ComboLBox") ||
         HasClass(::GetParent(window), L"ComboBox");
}

bool MenuKeys::Take(const MSG& msg, HWND window) {
  const bool down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
  const bool up = msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP;
  if (!down && !up) return false;
  const WPARAM key = msg.wParam;
  if (down) {
    // Any other key in between makes it a combination, not the menu key.
    if (key != VK_MENU) altAlone_ = false;
    if (key != VK_F10) f10Alone_ = false;
    if (Repeated(msg)) return false;
    if (key == VK_MENU) altAlone_ = true;
    if (key == VK_F10) f10Alone_ = ::GetKeyState(VK_SHIFT) >= 0 && ::GetKeyState(VK_CONTROL) >= 0;
    return (key == VK_MENU || key == VK_F10) && InDropDownList(msg.hwnd);
  }
  if (key != VK_MENU && key != VK_F10) return false;
  bool& alone = key == VK_MENU ? altAlone_ : f10Alone_;
  const bool open = alone;
  alone = false;
  if (!InDropDownList(msg.hwnd)) return false;
  if (open) ::PostMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, 0);
  return true;
}

}  // namespace quillbit
