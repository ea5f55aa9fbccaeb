#include "scenario_player/win32/person.h"

#include <iterator>

#include "core/control_set.h"
#include "scenario_player/win32/message_pump.h"

namespace quillbit::scenario {
namespace {

// The modifier keys and the left one of each pair, which the keyboard reports down with them.
struct ModifierKeyEntry {
  int virtualKey;
  int leftKey;
};
constexpr ModifierKeyEntry kModifierKeys[] = {
    {VK_SHIFT, VK_LSHIFT},
    {VK_CONTROL, VK_LCONTROL},
    {VK_MENU, VK_LMENU},
};

constexpr BYTE kDown = 0x80;

// Marks the key down or up in the keyboard state; a modifier as its left key too.
void Mark(BYTE (&state)[256], int virtualKey, bool down) {
  const auto set = [&](int key) {
    state[key] = static_cast<BYTE>(down ? (state[key] | kDown) : (state[key] & ~kDown));
  };
  set(virtualKey);
  for (const ModifierKeyEntry& entry : kModifierKeys) {
    if (entry.virtualKey == virtualKey) set(entry.leftKey);
  }
}

// The keys of the cursor block, which the keyboard reports as extended keys.
bool Extended(int virtualKey) {
  switch (virtualKey) {
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_INSERT:
    case VK_DELETE:
    case VK_SNAPSHOT:
    case VK_NUMLOCK:
    case VK_DIVIDE:
    case VK_LWIN:
    case VK_RWIN:
    case VK_APPS:
      return true;
    default:
      return false;
  }
}

// A key message's data: one stroke, the key's scan code, whether Alt is down, and for a release
// that the key was down before.
LPARAM KeyData(int virtualKey, bool press, bool alt) {
  const UINT scan = ::MapVirtualKeyW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC);
  DWORD data = 1 | ((scan & 0xFF) << 16);
  if (Extended(virtualKey)) data |= 1U << 24;
  if (alt) data |= 1U << 29;
  if (!press) data |= (1U << 30) | (1U << 31);
  return static_cast<LPARAM>(data);
}

// The mouse message's key flags for the modifiers held.
WPARAM MouseKeys(int held) {
  WPARAM keys = 0;
  if ((held & kShiftMask) != 0) keys |= MK_SHIFT;
  if ((held & kCtrlMask) != 0) keys |= MK_CONTROL;
  return keys;
}

void MarkMouseButton(bool down) {
  BYTE state[256] = {};
  ::GetKeyboardState(state);
  Mark(state, VK_LBUTTON, down);
  ::SetKeyboardState(state);
}

}  // namespace

// The key's message goes where the person's key would: to `target`, while it exists.
void Person::Key(HWND target, int virtualKey, bool press, LPARAM packet) {
  PostKey(target, virtualKey, press, packet);
  DeliverPendingMessages();
}

void Person::TypeAhead(HWND target, const std::vector<int>& virtualKeys) {
  for (const int key : virtualKeys) {
    PostKey(target, key, true);
    PostKey(target, key, false);
  }
}

void Person::PostKey(HWND target, int virtualKey, bool press, LPARAM packet) {
  BYTE state[256] = {};
  ::GetKeyboardState(state);
  if (press) Mark(state, virtualKey, true);
  const bool alt = (state[VK_MENU] & kDown) != 0;
  const bool ctrl = (state[VK_CONTROL] & kDown) != 0;
  if (!press) Mark(state, virtualKey, false);
  ::SetKeyboardState(state);
  const bool system = (alt && !ctrl) || virtualKey == VK_F10;
  const UINT message =
      press ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
  // A character without a key of its own comes as VK_PACKET, the character in the high word.
  const LPARAM data = virtualKey == VK_PACKET ? packet : KeyData(virtualKey, press, alt);
  if (target != nullptr && ::IsWindow(target))
    ::PostMessageW(target, message, static_cast<WPARAM>(virtualKey), data);
}

void Person::KeyEvent(HWND target, int virtualKey, bool press) {
  Key(target, virtualKey, press);
}

void Person::Type(HWND target, std::wstring_view text) {
  HWND to = target;
  for (const wchar_t c : text) {
    if (const HWND focus = ::GetFocus()) to = focus;
    int virtualKey = VK_PACKET;
    bool shift = false;
    if (c == L'\n') {
      virtualKey = VK_RETURN;
    } else if (c == L'\t') {
      virtualKey = VK_TAB;
    } else if (const SHORT scan = ::VkKeyScanW(c); scan != -1 && (HIBYTE(scan) & ~1) == 0) {
      // The layout's key for the character, with Shift when it is a shifted one.
      virtualKey = LOBYTE(scan);
      shift = (HIBYTE(scan) & 1) != 0;
    }
    // A shifted character needs Shift down as it is made, held or not.
    BYTE state[256] = {};
    ::GetKeyboardState(state);
    const BYTE shiftBefore = state[VK_SHIFT];
    if (shift) {
      state[VK_SHIFT] |= kDown;
      ::SetKeyboardState(state);
    }
    const LPARAM packet = MAKELPARAM(1, c);
    Key(to, virtualKey, true, packet);
    if (const HWND focus = ::GetFocus()) to = focus;
    Key(to, virtualKey, false, packet);
    if (shift) {
      ::GetKeyboardState(state);
      state[VK_SHIFT] = shiftBefore;
      ::SetKeyboardState(state);
    }
  }
}

void Person::Click(HWND window, int held) {
  RECT client{};
  ::GetClientRect(window, &client);
  ClickAt(window, POINT{(client.left + client.right) / 2, (client.top + client.bottom) / 2}, held);
}

// Mouse messages go to the window that holds the mouse, if one does, as the system sends them.
void Person::ClickAt(HWND window, POINT at, int held) {
  const auto post = [held, window, &at](UINT message, WPARAM buttons) {
    HWND to = ::GetCapture();
    POINT point = at;
    if (to == nullptr) to = window;
    if (!::IsWindow(to)) return;
    if (to != window) ::MapWindowPoints(window, to, &point, 1);
    ::PostMessageW(to, message, MouseKeys(held) | buttons, MAKELPARAM(point.x, point.y));
    DeliverPendingMessages();
  };
  post(WM_MOUSEMOVE, 0);
  MarkMouseButton(true);
  post(WM_LBUTTONDOWN, MK_LBUTTON);
  MarkMouseButton(false);
  post(WM_LBUTTONUP, 0);
}

}  // namespace quillbit::scenario
