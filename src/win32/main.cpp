#include <windows.h>

#include "win32/app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
  return quillbit::RunApplication(instance, showCommand);
}
