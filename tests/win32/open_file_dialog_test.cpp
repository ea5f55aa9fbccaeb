#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/utf16_text.h"
#include "tests/support/temp_folder.h"
#include "win32/win32_host.h"

namespace quillbit {
namespace {

// The file dialog's name box (in either of its templates) and what a person types into it, one
// entry after the other: the folder, which the dialog goes into, then the file's name there.
constexpr int kNameBoxes[] = {0x47C, 0x480};
std::vector<std::wstring> typed;
std::size_t typedCount = 0;

BOOL CALLBACK AnswerDialog(HWND window, LPARAM) {
  wchar_t className[16] = {};
  ::GetClassNameW(window, className, 16);
  if (std::wstring(className) != L"#32770" || !::IsWindowVisible(window)) return TRUE;
  if (typedCount == typed.size()) return FALSE;
  for (const int box : kNameBoxes) ::SetDlgItemTextW(window, box, typed[typedCount].c_str());
  ++typedCount;
  ::PostMessageW(window, WM_COMMAND, IDOK, 0);
  return FALSE;
}

// Fires in the dialog's own message loop.
void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  ::EnumThreadWindows(::GetCurrentThreadId(), AnswerDialog, 0);
}

std::wstring CurrentFolder() {
  std::wstring folder(::GetCurrentDirectoryW(0, nullptr), L'\0');
  folder.resize(::GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data()));
  return folder;
}

struct ChoiceCase {
  const char* what;
  const wchar_t* typedNames;  // as a person types them into the name box
  std::vector<std::string> chosen;
};

void PrintTo(const ChoiceCase& c, std::ostream* os) {
  *os << c.what;
}

class FilesChosen : public testing::TestWithParam<ChoiceCase> {};

// Every file chosen comes back with its full path, in the order they were named; the current
// folder stays where it was.
TEST_P(FilesChosen, ComeBackAsFullPathsAndLeaveTheCurrentFolderWhereItWas) {
  TempFolder folder;
  const std::filesystem::path where(folder.Path());
  for (const char* name : {"film.d2v", "part1.d2v", "part2.d2v"})
    std::ofstream(where / name) << "DGIndexProjectFile16\n";
  typed = {where.wstring(), GetParam().typedNames};
  typedCount = 0;
  const std::wstring before = CurrentFolder();

  const UINT_PTR timer = ::SetTimer(nullptr, 0, 300, OnTimer);
  const std::vector<std::string> chosen =
      Win32OpenFileDialog().ChooseFilesToOpen("Open Project", "DGIndex Project", "*.d2v");
  ::KillTimer(nullptr, timer);

  std::vector<std::filesystem::path> expected, got;
  for (const std::string& name : GetParam().chosen) expected.push_back(where / name);
  for (const std::string& path : chosen) got.push_back(std::filesystem::path(WideText(path)));
  EXPECT_EQ(got, expected);
  EXPECT_EQ(CurrentFolder(), before) << "so that the chosen file's drive can be ejected";
}

INSTANTIATE_TEST_SUITE_P(Win32OpenFileDialog, FilesChosen,
                         testing::Values(ChoiceCase{"one file", L"film.d2v", {"film.d2v"}},
                                         ChoiceCase{"two files",
                                                    L"\"part1.d2v\" \"part2.d2v\"",
                                                    {"part1.d2v", "part2.d2v"}}));

}  // namespace
}  // namespace quillbit
