#pragma once

namespace quillbit {

// The program: checks for a display, starts Qt, opens the main window and runs until neither
// of its windows is open. Returns the exit status.
int RunApplication(int argc, char** argv);

// True when Qt would find somewhere to show a window: a display, or a platform chosen by hand.
bool DisplayAvailable(const char* display, const char* waylandDisplay, const char* qpaPlatform);

}  // namespace quillbit
