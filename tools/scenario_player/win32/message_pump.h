#pragma once

#include <windows.h>

#include <functional>

namespace quillbit::scenario {

// Hands every message waiting for this thread's windows to the program, as its own loop would
// (key preview and dialog keys first), until none is left. The quit message the last window's
// close posts is dropped: the player, not the program, decides when the play ends.
// `seen`, when given, sees each message as it is taken from the queue.
void DeliverPendingMessages(const std::function<void(const MSG&)>& seen = {});

}  // namespace quillbit::scenario
