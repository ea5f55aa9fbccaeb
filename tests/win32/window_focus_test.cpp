// The main and About windows as a person's keyboard and a screen reader meet them: where the
// focus starts and comes back to, the order of the tab key, and the names controls are read by.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/about/about_fakes.h"
#include "tests/win32/window_fixture.h"
#include "win32/about_window.h"

namespace quillbit {
namespace {

class MainWindowFocus : public MainWindowTest {};

TEST_F(MainWindowFocus, StartsInTheFrameCount) {
  EXPECT_EQ(Focused(), "txtFrames");
}

TEST_F(MainWindowFocus, GivenToTheWindowGoesOnToTheControlLastFocused) {
  ::SetFocus(Hwnd("txtSub"));
  ::SetFocus(window.Handle());
  Pump();
  EXPECT_EQ(Focused(), "txtSub");
}

TEST_F(MainWindowFocus, ComesBackToTheControlLeftWhenTheWindowIsActivatedAgain) {
  ::SetFocus(Hwnd("txtAudio"));
  const HWND other = ::CreateWindowExW(0, L"STATIC", L"Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                       0, 200, 100, nullptr, nullptr, nullptr, nullptr);
  ::SetActiveWindow(other);
  Pump();
  EXPECT_NE(::GetFocus(), Hwnd("txtAudio"));
  ::SetActiveWindow(window.Handle());
  Pump();
  EXPECT_EQ(Focused(), "txtAudio");
  ::DestroyWindow(other);
}

// The controls a person reaches at start-up with Tab, in the window's tab order; hidden rows
// and the option button not selected are passed over.
const std::vector<std::string> kTabOrder = {
    "txtFrames", "optFormat(0)", "chkFF",   "txtFPS",       "txtAudio",   "cmbAudio",  "txtSub",
    "cmbSub",    "txtCushion",   "cmbCush", "txtDiskSpace", "cmbDest",    "cmbCCESet", "txtCCEQual",
    "txtCCEMax", "txtCCEMin",    "txtCCEQ", "txtLength",    "cmbM2VSize", "txtM2VSize"};

TEST_F(MainWindowFocus, TabFollowsTheTabOrderAndShiftTabGoesBack) {
  std::vector<std::string> forward = {Focused()};
  for (std::size_t i = 1; i < kTabOrder.size(); ++i) {
    PressTab();
    forward.push_back(Focused());
  }
  EXPECT_EQ(forward, kTabOrder);
  PressTab();
  EXPECT_EQ(Focused(), "txtFrames");
  const HWND form = window.Handle();
  std::vector<std::string> backward;
  for (HWND at = ::GetNextDlgTabItem(form, Hwnd("txtFrames"), TRUE); at != Hwnd("txtFrames");
       at = ::GetNextDlgTabItem(form, at, TRUE))
    backward.insert(backward.begin(), window.View().ControlFor(at)->Name());
  backward.insert(backward.begin(), "txtFrames");
  EXPECT_EQ(backward, kTabOrder);
}

// Windows names a box after the static text just before it: that is its caption's label, just
// before the first control of the tab order it names.
TEST_F(MainWindowFocus, EachBoxComesJustAfterTheLabelThatNamesIt) {
  const std::map<std::string, std::string> labels = {
      {"txtFrames", "Label1"},      {"cmbCCESet", "Label8"}, {"txtAudio", "Label9"},
      {"txtSampleQ", "lblSampleQ"}, {"txtCCEQ", "Label5"},   {"cmbM2VSize", "Label18"}};
  for (const auto& [box, label] : labels)
    EXPECT_EQ(::GetWindow(Hwnd(box.c_str()), GW_HWNDPREV), Hwnd(label.c_str())) << box;
}

TEST(AboutWindowFocus, StartsOnTheDefaultButton) {
  using namespace testing_support;
  FakeRegistry registry;
  RecordingOpener opener;
  FakeFiles files;
  FakePrograms programs;
  OpenWindows windows;
  Win32AboutWindow about(
      ::GetModuleHandleW(nullptr), windows, AppInfo{}, AboutLinks{},
      AboutServices{.registry = registry, .open = opener, .files = files, .programs = programs}, {},
      [] {});
  about.Show();
  Pump();
  const Control* focused = about.View().ControlFor(::GetFocus());
  ASSERT_NE(focused, nullptr);
  EXPECT_EQ(focused->Name(), "cmdOK");
}

}  // namespace
}  // namespace quillbit
