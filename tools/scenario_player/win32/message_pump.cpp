#include "scenario_player/win32/message_pump.h"

#include <windows.h>

#include "win32/app.h"

namespace quillbit::scenario {

void DeliverPendingMessages() {
  MSG msg{};
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    DeliverMessage(msg);
  }
}

}  // namespace quillbit::scenario
