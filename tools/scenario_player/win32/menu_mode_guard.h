#pragma once

#include <windows.h>

namespace quillbit::scenario {

// Alt or F10 pressed and released puts the menu bar into keyboard mode: the system's modal menu
// loop, which reads the keys already typed and then waits for the next. A scenario has no line
// to act in it, and the player's next line could not run while it waits, so the loop is left as
// soon as it has nothing left to read (EndMenu at WM_ENTERIDLE), as a person's Esc would leave
// it; what the keys did before is untouched. One guard at a time, while it lives.
class MenuModeGuard {
 public:
  MenuModeGuard();
  ~MenuModeGuard();
  MenuModeGuard(const MenuModeGuard&) = delete;
  MenuModeGuard& operator=(const MenuModeGuard&) = delete;

 private:
  static LRESULT CALLBACK AfterProcedure(int code, WPARAM wParam, LPARAM lParam);

  HHOOK hook_ = nullptr;
};

}  // namespace quillbit::scenario
