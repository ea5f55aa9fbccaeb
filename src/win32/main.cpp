#include <windows.h>

#include <cwchar>

#include "win32/app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR commandLine,
                    int showCommand) {
  const bool quitWhenShown =
      commandLine != nullptr && std::wcsstr(commandLine, L"--quit-when-shown") != nullptr;
  return quillbit::RunApplication(instance, showCommand, quitWhenShown);
}
