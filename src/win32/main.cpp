#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cwchar>
#include <optional>
#include <string>

#include "settings/windows_text.h"
#include "win32/app.h"

namespace {

// `quillbit.exe movie.d2v`, as "Open with" starts it: the first argument that is no option.
struct CommandLine {
  bool quitWhenShown = false;
  std::optional<std::string> project;
};

CommandLine ReadCommandLine() {
  CommandLine read;
  int count = 0;
  LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (arguments == nullptr) return read;
  for (int i = 1; i < count; ++i) {
    if (std::wcscmp(arguments[i], L"--quit-when-shown") == 0) {
      read.quitWhenShown = true;
    } else if (std::wcsncmp(arguments[i], L"--", 2) != 0 && !read.project) {
      read.project = quillbit::Utf8Text(arguments[i]);
    }
  }
  ::LocalFree(arguments);
  return read;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
  const CommandLine commandLine = ReadCommandLine();
  return quillbit::RunApplication(instance, showCommand, commandLine.quitWhenShown,
                                  commandLine.project);
}
