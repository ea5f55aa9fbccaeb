#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/command_line.h"
#include "core/utf16_text.h"
#include "win32/app.h"

namespace {

// The command line as UTF-8 arguments, split as the C runtime splits it.
std::vector<std::string> Utf8Arguments() {
  std::vector<std::string> arguments;
  int count = 0;
  LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (wide == nullptr) return arguments;
  for (int i = 0; i < count; ++i) arguments.push_back(quillbit::Utf8Text(wide[i]));
  ::LocalFree(wide);
  return arguments;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
  const std::vector<std::string> arguments = Utf8Arguments();
  const bool quitWhenShown =
      std::find(arguments.begin(), arguments.end(), "--quit-when-shown") != arguments.end();
  return quillbit::RunApplication(instance, showCommand, quitWhenShown,
                                  quillbit::ProjectArguments(arguments));
}
