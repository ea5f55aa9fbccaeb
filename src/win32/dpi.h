#pragma once

#include <windows.h>

namespace quillbit {

// Asks for per-monitor dpi awareness (version 2 where the system has it, else version 1, else
// system awareness), as the manifest does, for systems that read only one of the two.
void DeclareDpiAwareness();

// The resolution a window is shown at: its monitor's on systems that scale per monitor, else the
// screen's logical pixels per inch.
int WindowDpi(HWND window);

// The outer size of a window whose client area is `clientWidth` x `clientHeight` pixels, with
// the frame of `style` and `exStyle` (and a one-line menu bar) at `dpi`.
SIZE OuterSizeForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, bool menu,
                        int dpi);

}  // namespace quillbit
