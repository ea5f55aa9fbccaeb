#include "scenario_player/win32/message_pump.h"

#include <windows.h>

#include "win32/app.h"

namespace quillbit::scenario {

void DeliverPendingMessages(const std::function<void(const MSG&)>& seen) {
  MSG msg{};
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    if (seen) seen(msg);
    DeliverMessage(msg);
  }
}

}  // namespace quillbit::scenario
