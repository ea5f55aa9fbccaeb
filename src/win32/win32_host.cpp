#include "win32/win32_host.h"

// After windows.h, which it needs.
#include <commdlg.h>

#include <cwchar>
#include <string>

#include "core/locale_conventions.h"
#include "core/utf16_text.h"

namespace quillbit {
namespace {

int ScreenDpi() {
  const HDC screen = ::GetDC(nullptr);
  const int dpi = screen == nullptr ? 96 : ::GetDeviceCaps(screen, LOGPIXELSY);
  if (screen != nullptr) ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

float PixelsToTwips(int pixels) {
  return static_cast<float>(pixels) * 1440.0F / static_cast<float>(ScreenDpi());
}

// One locale setting as text; empty when the locale has none.
std::wstring LocaleText(LCTYPE what) {
  wchar_t buffer[88] = {};
  const int length = ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, what, buffer, 88);
  return length > 0 ? std::wstring(buffer, static_cast<std::size_t>(length - 1)) : std::wstring();
}

int LocaleNumber(LCTYPE what, int fallback) {
  DWORD number = 0;
  const int length =
      ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, what | LOCALE_RETURN_NUMBER,
                        reinterpret_cast<wchar_t*>(&number), sizeof number / sizeof(wchar_t));
  return length > 0 ? static_cast<int>(number) : fallback;
}

}  // namespace

void Win32MessageBox::ShowMessage(std::string_view caption, std::string_view text) {
  const HWND owner = owner_ ? owner_() : nullptr;
  ::MessageBoxW(owner, WideText(text).c_str(), WideText(caption).c_str(), MB_OK);
}

std::vector<std::string> Win32OpenFileDialog::ChooseFilesToOpen(std::string_view title,
                                                                std::string_view filterName,
                                                                std::string_view pattern) {
  // Pairs of a name and its patterns, each ending in a NUL, the list in a second one.
  std::wstring filters = WideText(filterName) + L" (" + WideText(pattern) + L")";
  filters += L'\0' + WideText(pattern) + L'\0' + L"All files (*.*)" + L'\0' + L"*.*" + L'\0';
  const std::wstring caption = WideText(title);
  // Long paths and many files are allowed; the dialog says when the buffer is too small.
  std::wstring file(1 << 20, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner_ ? owner_() : nullptr;
  dialog.lpstrFilter = filters.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrTitle = caption.c_str();
  // The process's current folder stays where it was: one left on the chosen file's folder would
  // keep a disc or USB stick from being ejected while the program runs.
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER |
                 OFN_NOCHANGEDIR | OFN_ALLOWMULTISELECT;
  if (!::GetOpenFileNameW(&dialog)) return {};
  // One file comes back as its full path; several as their folder, then each name, each ending
  // in a NUL and the list in a second one.
  std::vector<std::wstring> parts;
  for (const wchar_t* part = file.c_str(); *part != L'\0'; part += std::wcslen(part) + 1)
    parts.emplace_back(part);
  if (parts.size() <= 1)
    return parts.empty() ? std::vector<std::string>{}
                         : std::vector<std::string>{Utf8Text(parts.front())};
  std::wstring folder = parts.front();
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  std::vector<std::string> paths;
  for (std::size_t i = 1; i < parts.size(); ++i) paths.push_back(Utf8Text(folder + parts[i]));
  return paths;
}

float Win32Screen::ScreenWidthTwips() const {
  return PixelsToTwips(::GetSystemMetrics(SM_CXSCREEN));
}

float Win32Screen::ScreenHeightTwips() const {
  return PixelsToTwips(::GetSystemMetrics(SM_CYSCREEN));
}

bool ShellOpener::Open(std::string_view target) {
  if (target.empty() || target.find('\0') != std::string_view::npos) return false;
  const auto result = reinterpret_cast<INT_PTR>(
      ::ShellExecuteW(nullptr, L"open", WideText(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  // The shell reports success as any value above 32.
  return result > 32;
}

bool Win32Files::FileExists(std::string_view path) const {
  if (path.empty() || path.find('\0') != std::string_view::npos) return false;
  const DWORD attributes = ::GetFileAttributesW(WideText(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Programs::Start(std::string_view path) {
  // A quote cannot be part of a Windows path, and a NUL would cut it short.
  if (path.empty() || path.find_first_of(std::string_view("\"\0", 2)) != std::string_view::npos)
    return false;
  const std::wstring program = WideText(path);
  // The program's own name as its command line, quoted so that blanks in it stay part of it.
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
    return false;
  }
  // The program goes its own way; nothing here waits for it.
  ::AllowSetForegroundWindow(process.dwProcessId);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return true;
}

NumberLocale UserNumberLocale() {
  NumberLocale locale;
  if (const std::wstring decimal = LocaleText(LOCALE_SDECIMAL); !decimal.empty())
    locale.decimal = Utf8Text(decimal);
  locale.grouping = Utf8Text(LocaleText(LOCALE_STHOUSAND));
  if (const std::wstring sign = LocaleText(LOCALE_SNEGATIVESIGN); !sign.empty())
    locale.negativeSign = Utf8Text(sign);
  ApplyGroupingText(Utf8Text(LocaleText(LOCALE_SGROUPING)), locale);
  locale.decimals = LocaleNumber(LOCALE_IDIGITS, locale.decimals);
  locale.leadingZero = LocaleNumber(LOCALE_ILZERO, 1) != 0;
  locale.negative = NegativeStyleFromIndex(LocaleNumber(LOCALE_INEGNUMBER, 1));
  return locale;
}

}  // namespace quillbit
