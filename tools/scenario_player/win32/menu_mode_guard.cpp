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

// The menu loop tells its window that it has run out of messages and is about to wait.
LRESULT CALLBACK MenuModeGuard::AfterProcedure(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && guarding != nullptr && call->message == WM_ENTERIDLE &&
      call->wParam == MSGF_MENU) {
    ::EndMenu();
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace quillbit::scenario
