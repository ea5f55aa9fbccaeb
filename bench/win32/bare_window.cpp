// The yardstick for start-up: a plain Win32 program with a menu and the same number of controls
// of each kind as the Qt yardstick (and so as Quillbit's main window), placed by hand. With
// --quit-when-shown it prints "shown" once painted and ends, as quillbit.exe does.
#include <commctrl.h>
#include <windows.h>

#include <cwchar>
#include <string>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) ::PostQuitMessage(0);
  return ::DefWindowProcW(window, message, wParam, lParam);
}

int cell = 0;

HWND Place(HWND parent, const wchar_t* type, const std::wstring& text, DWORD style) {
  const int x = 8 + (cell % 3) * 140;
  const int y = 8 + (cell / 3) * 28;
  ++cell;
  HWND control = ::CreateWindowExW(0, type, text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, 130,
                                   style & CBS_DROPDOWNLIST ? 120 : 24, parent, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
  ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
  return control;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"Bare";
  ::RegisterClassW(&windowClass);

  HMENU bar = ::CreateMenu();
  HMENU file = ::CreatePopupMenu();
  ::AppendMenuW(file, MF_STRING, 1, L"Exit");
  ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"File");
  HMENU help = ::CreatePopupMenu();
  ::AppendMenuW(help, MF_STRING, 2, L"About");
  ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"Help");
  HWND window = ::CreateWindowExW(0, L"Bare", L"Bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 430, 500, nullptr, bar, instance, nullptr);

  Place(window, L"BUTTON", L"Frame one", BS_GROUPBOX);
  Place(window, L"BUTTON", L"Frame two", BS_GROUPBOX);
  for (int i = 0; i < 21; ++i) Place(window, L"STATIC", L"Label " + std::to_wstring(i), 0);
  for (int i = 0; i < 15; ++i) Place(window, L"EDIT", std::to_wstring(i), WS_BORDER | WS_TABSTOP);
  for (int i = 0; i < 7; ++i) {
    HWND list = Place(window, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_TABSTOP);
    for (const wchar_t* unit : {L"Bytes", L"KB", L"MB", L"GB"})
      ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(unit));
    ::SendMessageW(list, CB_SETCURSEL, 1, 0);
  }
  Place(window, L"BUTTON", L"NTSC", BS_AUTORADIOBUTTON | WS_GROUP);
  Place(window, L"BUTTON", L"PAL", BS_AUTORADIOBUTTON);
  Place(window, L"BUTTON", L"Forced FILM", BS_AUTOCHECKBOX);

  ::ShowWindow(window, showCommand);
  ::UpdateWindow(window);
  if (commandLine != nullptr && std::wcsstr(commandLine, L"--quit-when-shown") != nullptr) {
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), "shown\n", 6, &written, nullptr);
    return 0;
  }
  MSG msg{};
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return 0;
}
