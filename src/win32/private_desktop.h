#pragma once

#include <windows.h>

namespace quillbit {

// A desktop of its own for this thread's windows, as a person's screen holds only the program:
// players and window tests running side by side (ctest -j) then never take the foreground, and
// with it the activation and the focus, from each other. Made before the thread has a window or
// a hook.
class PrivateDesktop {
 public:
  PrivateDesktop();
  ~PrivateDesktop();
  PrivateDesktop(const PrivateDesktop&) = delete;
  PrivateDesktop& operator=(const PrivateDesktop&) = delete;

  // False when the thread stays on the desktop it started on.
  bool Entered() const { return desktop_ != nullptr; }

 private:
  HDESK desktop_ = nullptr;
};

}  // namespace quillbit
