#include "win32/menu_bar.h"

#include <gtest/gtest.h>

namespace quillbit {
namespace {

TEST(Win32MenuBar, AWindowsBarIsDestroyedOnlyByTheWindow) {
  ControlSet controls(
      {{.name = "mnuFile", .kind = ControlKind::Menu, .text = "&File"},
       {.name = "mnuExit", .kind = ControlKind::Menu, .text = "E&xit", .container = "mnuFile"}});
  const HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                        nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  {
    Win32MenuBar menus(controls, [](const Control&) { return 1; });
    menus.Attach(window);
    const HMENU bar = ::GetMenu(window);
    ASSERT_NE(bar, nullptr);
    ::DestroyWindow(window);
    menus.Detach();
    EXPECT_FALSE(::IsMenu(bar));
    EXPECT_FALSE(menus.Find("mnuFile").has_value())
        << "the bar still names the menu its window took with it, and would destroy it again";
  }
}

TEST(Win32MenuBar, ABarOnNoWindowIsDestroyedWithTheBar) {
  ControlSet controls({{.name = "mnuFile", .kind = ControlKind::Menu, .text = "&File"}});
  HMENU bar = nullptr;
  {
    Win32MenuBar menus(controls, [](const Control&) { return 1; });
    const std::optional<Win32MenuBar::Place> place = menus.Find("mnuFile");
    ASSERT_TRUE(place.has_value());
    bar = place->menu;
    EXPECT_TRUE(::IsMenu(bar));
  }
  EXPECT_FALSE(::IsMenu(bar));
}

}  // namespace
}  // namespace quillbit
