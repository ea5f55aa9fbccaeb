// Start to first shown window under the same system (Windows, or Wine): quillbit.exe and the
// bare Win32 program with as many controls, started in turn in the same run. Each is timed from
// its process creation to its "shown" line. Prints the medians, their ratio and the size of
// quillbit.exe.
//
//   quillbit_win32_startup_bench QUILLBIT_EXE BARE_EXE [RUNS]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

// Milliseconds from the start of `exe` to its "shown" line; negative when it never came.
double TimeToShown(const std::wstring& exe) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!::CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return -1;
  ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  std::wstring commandLine = L"\"" + exe + L"\" --quit-when-shown";
  PROCESS_INFORMATION process{};
  const auto start = std::chrono::steady_clock::now();
  if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        nullptr, &startup, &process)) {
    ::CloseHandle(readEnd);
    ::CloseHandle(writeEnd);
    return -1;
  }
  ::CloseHandle(writeEnd);
  std::string out;
  char buffer[64];
  DWORD got = 0;
  while (out.find("shown") == std::string::npos &&
         ::ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    out.append(buffer, got);
  }
  const auto shown = std::chrono::steady_clock::now();
  ::WaitForSingleObject(process.hProcess, 10000);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  ::CloseHandle(readEnd);
  if (out.find("shown") == std::string::npos) return -1;
  return std::chrono::duration<double, std::milli>(shown - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fputs("usage: quillbit_win32_startup_bench QUILLBIT_EXE BARE_EXE [RUNS]\n", stderr);
    return 2;
  }
  const int runs = argc > 3 ? std::max(1, _wtoi(argv[3])) : 15;
  std::vector<double> quillbit;
  std::vector<double> bare;
  for (int i = 0; i < runs; ++i) {
    const double q = TimeToShown(argv[1]);
    const double b = TimeToShown(argv[2]);
    if (q < 0 || b < 0) {
      std::fputs("a program did not report its window\n", stderr);
      return 1;
    }
    quillbit.push_back(q);
    bare.push_back(b);
  }
  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  ::GetFileAttributesExW(argv[1], GetFileExInfoStandard, &attributes);
  const double q = Median(quillbit);
  const double b = Median(bare);
  std::printf("start to shown, median of %d: quillbit %.1f ms, bare %.1f ms, ratio %.2f\n", runs, q,
              b, b > 0 ? q / b : 0.0);
  std::printf("quillbit.exe: %.2f MB\n",
              static_cast<double>(attributes.nFileSizeLow) / (1024.0 * 1024.0));
  return 0;
}
