#pragma once

#include <windows.h>

namespace quillbit {

// Runs the program: the main window over the user's settings, until neither it nor the About
// window is open. Returns the exit code.
int RunApplication(HINSTANCE instance, int showCommand);

// Hands each message to the window it is for, the windows' key preview and dialog keys first,
// until the loop is told to end; returns the code it ended with.
int RunMessageLoop();

}  // namespace quillbit
