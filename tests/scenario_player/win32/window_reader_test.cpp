// What the Win32 front end reads from windows of the test's own, as it reads the program's.
#include "scenario_player/win32/window_reader.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace quillbit::scenario {
namespace {

constexpr COLORREF kRed = RGB(0xFF, 0, 0);

// A window that paints its static controls' text red, with a menu bar:
// "File" (id 10) holding "Open" (11), a separator (12), "Exit" (13, grayed) and "Saved" (14,
// checked).
LRESULT CALLBACK RedTextProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CTLCOLORSTATIC) {
    ::SetTextColor(reinterpret_cast<HDC>(wParam), kRed);
    return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

class WindowReaderTest : public ::testing::Test {
 protected:
  WindowReaderTest() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = RedTextProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"QuillbitReaderTest";
    ::RegisterClassW(&windowClass);
    window = ::CreateWindowExW(0, L"QuillbitReaderTest", L"", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                               nullptr, nullptr, windowClass.hInstance, nullptr);
    const HMENU file = ::CreatePopupMenu();
    ::AppendMenuW(file, MF_STRING, 11, L"&Open");
    ::AppendMenuW(file, MF_SEPARATOR, 12, nullptr);
    ::AppendMenuW(file, MF_STRING | MF_GRAYED, 13, L"E&xit");
    ::AppendMenuW(file, MF_STRING | MF_CHECKED, 14, L"&Saved");
    const HMENU bar = ::CreateMenu();
    ::AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(file), L"&File");
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID;
    info.wID = 10;
    ::SetMenuItemInfoW(bar, 0, TRUE, &info);
    ::SetMenu(window, bar);
  }
  ~WindowReaderTest() override { ::DestroyWindow(window); }

  HWND Child(const wchar_t* windowClass, DWORD style) const {
    return ::CreateWindowExW(0, windowClass, L"text", WS_CHILD | WS_VISIBLE | style, 0, 0, 50, 20,
                             window, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  }

  HWND window = nullptr;
};

TEST_F(WindowReaderTest, MenuItemsAreFoundByTheirIdsInTheMenuBar) {
  const std::optional<MenuPath> exit = FindMenuItem(window, 13);
  ASSERT_TRUE(exit);
  ASSERT_EQ(exit->steps.size(), 2U);
  EXPECT_EQ(exit->steps[0].position, 0);
  EXPECT_EQ(exit->steps[1].position, 2);
  // The arrows pass over the separator.
  EXPECT_EQ(MovesTo(exit->steps[1].menu, 2), 1);
  EXPECT_TRUE(FindMenuItem(window, 10));
  EXPECT_FALSE(FindMenuItem(window, 99));
}

// As the main window's Tools > Destination > discs: an item in a menu within a menu.
TEST_F(WindowReaderTest, AMenuItemInAMenuWithinAMenuIsFoundThroughBoth) {
  const HMENU discs = ::CreatePopupMenu();
  ::AppendMenuW(discs, MF_STRING, 31, L"DVD-R");
  ::AppendMenuW(discs, MF_STRING | MF_CHECKED, 32, L"DVD+R");
  const HMENU tools = ::CreatePopupMenu();
  ::AppendMenuW(tools, MF_STRING, 21, L"Audio Tracks...");
  ::AppendMenuW(tools, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(discs), L"Destination");
  ::AppendMenuW(::GetMenu(window), MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(tools),
                L"Tools");
  const std::optional<MenuPath> disc = FindMenuItem(window, 32);
  ASSERT_TRUE(disc);
  ASSERT_EQ(disc->steps.size(), 3U);
  EXPECT_EQ(disc->steps[0].position, 1);
  EXPECT_EQ(disc->steps[1].position, 1);
  EXPECT_EQ(disc->steps[2].position, 1);
  EXPECT_EQ(ReadMenuItem(window, 32, "mnuDisc(1)").text, "DVD+R");
}

TEST_F(WindowReaderTest, AMenuItemIsReadFromTheMenu) {
  const ShownControl exit = ReadMenuItem(window, 13, "mnuExit");
  EXPECT_EQ(exit.name, "mnuExit");
  EXPECT_TRUE(exit.visible);
  EXPECT_FALSE(exit.enabled);
  EXPECT_EQ(exit.text, "E&xit");
  EXPECT_FALSE(ReadMenuItem(window, 99, "mnuGone").visible);
}

TEST_F(WindowReaderTest, ACheckMarkIsReadOnlyFromAnItemThatCanShowOne) {
  EXPECT_EQ(ReadMenuItem(window, 14, "mnuSaved", true).value, 1);
  EXPECT_EQ(ReadMenuItem(window, 11, "mnuOpen", true).value, 0);
  EXPECT_FALSE(ReadMenuItem(window, 14, "mnuSaved").value);
}

TEST_F(WindowReaderTest, TheTextColourIsTheOneTheWindowPaintsItsControlWith) {
  EXPECT_EQ(DrawnTextColor(Child(L"STATIC", 0)), "#ff0000");
  EXPECT_EQ(DrawnTextColor(Child(L"STATIC", WS_DISABLED)),
            DrawnTextColor(Child(L"EDIT", WS_DISABLED)));
}

TEST_F(WindowReaderTest, AControlTakesTheFocusAsATabStopOrAnOptionButton) {
  EXPECT_TRUE(TakesFocus(Child(L"EDIT", WS_TABSTOP)));
  EXPECT_TRUE(TakesFocus(Child(L"BUTTON", BS_AUTORADIOBUTTON)));
  EXPECT_FALSE(TakesFocus(Child(L"STATIC", 0)));
  EXPECT_FALSE(TakesFocus(Child(L"BUTTON", BS_GROUPBOX)));
}

}  // namespace
}  // namespace quillbit::scenario
