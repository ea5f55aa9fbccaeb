#pragma once

namespace quillbit::scenario {

// Hands every message waiting for this thread's windows to the program, as its own loop would
// (key preview and dialog keys first), until none is left. The quit message the last window's
// close posts is dropped: the player, not the program, decides when the play ends.
void DeliverPendingMessages();

}  // namespace quillbit::scenario
