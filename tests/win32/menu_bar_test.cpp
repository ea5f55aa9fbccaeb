#include "win32/menu_bar.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/win32/window_fixture.h"

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

// A menu of two discs, one checkable item each, under a menu within the bar's menu.
std::vector<ControlDesign> DiscMenus() {
  std::vector<ControlDesign> designs = {
      {.name = "mnuTools", .kind = ControlKind::Menu, .text = "&Tools"},
      {.name = "mnuDest",
       .kind = ControlKind::Menu,
       .text = "Destination",
       .container = "mnuTools"}};
  for (const char* disc : {"mnuDisc(0)", "mnuDisc(1)"}) {
    ControlDesign item{
        .name = disc, .kind = ControlKind::Menu, .text = disc, .container = "mnuDest"};
    item.checkable = true;
    designs.push_back(item);
  }
  return designs;
}

bool Checked(const Win32MenuBar& menus, const char* name) {
  const std::optional<Win32MenuBar::Place> place = menus.Find(name);
  if (!place) return false;
  const UINT state = ::GetMenuState(place->menu, static_cast<UINT>(place->position), MF_BYPOSITION);
  return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
}

struct MarkCase {
  const char* what;
  int valueBeforeBuild;
  int valueAfterBuild;
  bool disc0Checked;
  bool disc1Checked;
};

void PrintTo(const MarkCase& c, std::ostream* os) {
  *os << c.what;
}

class CheckMarks : public testing::TestWithParam<MarkCase> {};

// Set before the bar is built or changed by code after, the value decides the mark; the bar
// keeps its menus (a menu open meanwhile stays open).
TEST_P(CheckMarks, FollowTheValueOfACheckableItem) {
  ControlSet controls(DiscMenus());
  controls.Get("mnuDisc(0)").SetValue(GetParam().valueBeforeBuild);
  Win32MenuBar menus(controls, [&](const Control& c) {
    return 100 + static_cast<int>(&c - &controls.All().front());
  });
  const HMENU before = menus.Find("mnuDisc(0)")->menu;
  const int subscription =
      controls.Subscribe([&](const Control& c, Property property) { menus.Show(c, property); });
  controls.Get("mnuDisc(0)").SetValue(GetParam().valueAfterBuild);
  controls.Get("mnuDisc(1)").SetValue(1 - GetParam().valueAfterBuild);
  controls.Unsubscribe(subscription);
  EXPECT_EQ(Checked(menus, "mnuDisc(0)"), GetParam().disc0Checked);
  EXPECT_EQ(Checked(menus, "mnuDisc(1)"), GetParam().disc1Checked);
  EXPECT_EQ(menus.Find("mnuDisc(0)")->menu, before) << "the bar was built anew";
  EXPECT_EQ(menus.Read(controls.Get("mnuDisc(0)")).value, GetParam().disc0Checked ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Win32MenuBar, CheckMarks,
                         testing::Values(MarkCase{"checked from the start", 1, 1, true, false},
                                         MarkCase{"checked by code", 0, 1, true, false},
                                         MarkCase{"cleared by code", 1, 0, false, true}));

}  // namespace
}  // namespace quillbit

namespace quillbit {
namespace {

class MainWindowMenus : public MainWindowTest {
 protected:
  // A menu item chosen as the menu loop reports it.
  void Choose(const char* item) {
    ::SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(window.View().CommandIdFor(item), 0), 0);
    Pump();
  }
  std::optional<int> Mark(int disc) {
    return window.View().Shown("mnuDisc(" + std::to_string(disc) + ")")->value;
  }
};

// The disc chosen under Tools > Destination is the one checked, read from the menu itself.
TEST_F(MainWindowMenus, TheDiscChosenIsTheOneChecked) {
  for (int chosen = 0; chosen < 4; ++chosen) {
    Choose(("mnuDisc(" + std::to_string(chosen) + ")").c_str());
    for (int disc = 0; disc < 4; ++disc) EXPECT_EQ(Mark(disc), disc == chosen ? 1 : 0) << chosen;
  }
}

TEST_F(MainWindowMenus, ToolsHoldsAudioTracksAndTheDiscsBetweenFileAndHelp) {
  const HMENU bar = ::GetMenu(window.Handle());
  ASSERT_EQ(::GetMenuItemCount(bar), 3);
  const HMENU tools = ::GetSubMenu(bar, 1);
  ASSERT_NE(tools, nullptr);
  EXPECT_EQ(window.View().MenuItemFor("mnuAudioTracks")->menu, tools);
  const HMENU destination = ::GetSubMenu(tools, 1);
  const std::optional<Win32MenuBar::Place> disc = window.View().MenuItemFor("mnuDisc(3)");
  ASSERT_TRUE(disc.has_value());
  EXPECT_EQ(disc->menu, destination);
  EXPECT_EQ(disc->position, 3);
  EXPECT_EQ(window.View().Shown("mnuDisc(3)")->text, "DVD+R DL");
}

TEST_F(MainWindowMenus, AudioTracksOpensItsWindow) {
  Choose("mnuAudioTracks");
  ASSERT_NE(window.AudioTracks(), nullptr);
  EXPECT_TRUE(::IsWindowVisible(window.AudioTracks()->Handle()));
}

}  // namespace
}  // namespace quillbit
