#include "scenario_player/win32/menu_mode_guard.h"

namespace quillbit::scenario {
namespace {

MenuModeGuard* guarding = nullptr;

}  // namespace

MenuModeGuard::MenuModeGuard() {
  guarding = this;
  hook_ = ::SetWindowsHookExW(WH_CALLWNDPROCRET, &AfterProcedure, nullptr, ::GetCurrentThreadId());
}

MenuModeGuard::~MenuModeGuard() {
  if (hook_ != nullptr) ::UnhookWindowsHookEx(hook_);
  if (guarding == this) guarding = nullptr;
}

// The window has been told that the loop starts; the loop ends before it waits for a key.
LRESULT CALLBACK MenuModeGuard::AfterProcedure(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && guarding != nullptr &&
      reinterpret_cast<const CWPRETSTRUCT*>(lParam)->message == WM_ENTERMENULOOP) {
    ::EndMenu();
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace quillbit::scenario
