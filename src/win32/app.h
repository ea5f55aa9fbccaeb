#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quillbit {

// Runs the program: the main window over the user's settings, until neither it nor the About
// window is open. Returns the exit code. With `quitWhenShown` (for the start-up benchmark) it
// prints "shown" on standard output once the main window has been painted, and ends there.
// `projects`, UTF-8 paths from the command line, are opened once the window is shown.
int RunApplication(HINSTANCE instance, int showCommand, bool quitWhenShown = false,
                   std::vector<std::string> projects = {});

// Hands one message to the window it is for: the window's key preview and dialog keys first,
// then translation and dispatch. A loop of another kind (a test's) delivers through this too.
void DeliverMessage(MSG& msg);

// Delivers every message until the loop is told to end; returns the code it ended with.
int RunMessageLoop();

}  // namespace quillbit
