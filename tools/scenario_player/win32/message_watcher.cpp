#include "scenario_player/win32/message_watcher.h"

#include <cwchar>
#include <iterator>
#include <string>

#include "win32/control_kind.h"

namespace quillbit::scenario {
namespace {

MessageWatcher* watching = nullptr;

// The id the system gives a message box's text.
constexpr int kMessageTextId = 0xFFFF;

bool HasClass(HWND window, const wchar_t* wanted) {
  wchar_t name[16] = {};
  return ::GetClassNameW(window, name, static_cast<int>(std::size(name))) > 0 &&
         ::_wcsicmp(name, wanted) == 0;
}

// The static control that shows the text: the one with the system's id, else the first static
// text of the box that is no icon.
HWND TextControl(HWND box) {
  if (const HWND text = ::GetDlgItem(box, kMessageTextId)) return text;
  for (HWND child = ::GetWindow(box, GW_CHILD); child != nullptr;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    const LONG_PTR style = ::GetWindowLongPtrW(child, GWL_STYLE);
    if (HasClass(child, L"Static") && (style & SS_TYPEMASK) != SS_ICON) return child;
  }
  return nullptr;
}

void ClickAtCentre(HWND button) {
  RECT client{};
  ::GetClientRect(button, &client);
  const LPARAM at = MAKELPARAM((client.left + client.right) / 2, (client.top + client.bottom) / 2);
  ::PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::PostMessageW(button, WM_LBUTTONUP, 0, at);
}

}  // namespace

MessageWatcher::MessageWatcher() {
  watching = this;
  hook_ = ::SetWindowsHookExW(WH_CALLWNDPROCRET, &AfterProcedure, nullptr, ::GetCurrentThreadId());
}

MessageWatcher::~MessageWatcher() {
  if (hook_ != nullptr) ::UnhookWindowsHookEx(hook_);
  if (watching == this) watching = nullptr;
}

LRESULT CALLBACK MessageWatcher::AfterProcedure(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && watching != nullptr) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (call->message == WM_INITDIALOG && HasClass(call->hwnd, L"#32770"))
      watching->Answer(call->hwnd);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void MessageWatcher::Answer(HWND box) {
  const HWND text = TextControl(box);
  messages_.push_back({WindowText(box), text != nullptr ? WindowText(text) : std::string()});
  // OK, or the box's own answer to Enter when it has no OK button.
  if (const HWND ok = ::GetDlgItem(box, IDOK)) {
    ClickAtCentre(ok);
  } else {
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  }
}

}  // namespace quillbit::scenario
