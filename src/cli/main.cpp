// quillbit-calc: the window's calculation on the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/calc_cli.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace {

// The arguments as UTF-8, so that a project's path survives whatever the console's code page.
std::vector<std::string> Arguments(int argc, wchar_t** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, nullptr, 0, nullptr, nullptr);
    std::string text(size > 0 ? size - 1 : 0, '\0');
    if (size > 1)
      ::WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, text.data(), size, nullptr, nullptr);
    arguments.push_back(std::move(text));
  }
  return arguments;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  // "\n" line ends on every platform, so that scripts read the same output.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  const std::vector<std::string> arguments = Arguments(argc, argv);
#else
int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
#endif
  std::string out;
  std::string err;
  const int status = quillbit::RunCalcCli(arguments, out, err);
  std::fwrite(out.data(), 1, out.size(), stdout);
  std::fwrite(err.data(), 1, err.size(), stderr);
  return std::fflush(stdout) == 0 ? status : 1;
}
