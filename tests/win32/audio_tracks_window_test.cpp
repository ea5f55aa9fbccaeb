// The Audio Tracks window over the main window: modal to it without a loop of its own, closed
// by the keyboard, the mouse or the main window's own close, and read by a screen reader.
#include <windows.h>
// After windows.h, which it needs.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/win32/screen_reader.h"
#include "tests/win32/window_fixture.h"

namespace quillbit {
namespace {

class AudioTracksWindowTest : public MainWindowTest {
 protected:
  void Open(std::vector<AudioTrack> tracks = {}) {
    window.ShowAudioTracksWindow(AudioTracksRequest{
        .tracks = std::move(tracks),
        .length = MovieLength{.frames = 90000, .rate = PlayingRate(false, false)},
        .accepted = [this](std::vector<AudioTrack> chosen) { accepted.push_back(chosen); }});
    Pump();
  }
  Win32AudioTracksWindow& Dialog() { return *window.AudioTracks(); }
  HWND DialogHwnd(const char* name) { return Dialog().View().HwndFor(name); }
  std::string DialogFocused() {
    const Control* control = Dialog().View().ControlFor(::GetFocus());
    return control != nullptr ? control->Name() : std::string();
  }
  // A press and release delivered as the program's loop delivers keys, to the focused control.
  void Press(WPARAM key) {
    for (UINT message : {WM_KEYDOWN, WM_KEYUP}) {
      MSG msg{.hwnd = ::GetFocus(), .message = message, .wParam = key, .lParam = 0};
      DeliverMessage(msg);
      Pump();
    }
  }

  std::vector<std::vector<AudioTrack>> accepted;
};

TEST_F(AudioTracksWindowTest, OpensOverTheMainWindowWhichItDisables) {
  Open();
  ASSERT_NE(window.AudioTracks(), nullptr);
  const HWND dialog = Dialog().Handle();
  EXPECT_TRUE(::IsWindowVisible(dialog));
  EXPECT_EQ(::GetWindow(dialog, GW_OWNER), window.Handle());
  EXPECT_FALSE(::IsWindowEnabled(window.Handle()));
  EXPECT_EQ(::GetActiveWindow(), dialog);
  EXPECT_EQ(DialogFocused(), "cmbFormat(0)");
  wchar_t caption[64] = {};
  ::GetWindowTextW(dialog, caption, 64);
  EXPECT_EQ(Utf8Text(caption), "Audio Tracks");
}

// The ways a person closes the dialog.
enum class CloseBy { Enter, Esc, CloseBox, ClickOnOk, ClickOnCancel };

struct CloseCase {
  const char* how;
  CloseBy by;
  bool handsTheTracksOn;
};

void PrintTo(const CloseCase& c, std::ostream* os) {
  *os << c.how;
}

class AudioTracksWindowClose : public AudioTracksWindowTest,
                               public testing::WithParamInterface<CloseCase> {
 protected:
  void Close(CloseBy by) {
    switch (by) {
      case CloseBy::Enter:
        return Press(VK_RETURN);
      case CloseBy::Esc:
        return Press(VK_ESCAPE);
      case CloseBy::CloseBox:
        ::PostMessageW(Dialog().Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        return;
      case CloseBy::ClickOnOk:
        ::PostMessageW(DialogHwnd("cmdOK"), BM_CLICK, 0, 0);
        return;
      case CloseBy::ClickOnCancel:
        ::PostMessageW(DialogHwnd("cmdCancel"), BM_CLICK, 0, 0);
        return;
    }
  }
};

// However it closes, the main window is enabled and active again and the dialog is gone; only
// OK hands the tracks on, once.
TEST_P(AudioTracksWindowClose, GivesTheMainWindowBackAndOnlyOkHandsTheTracksOn) {
  const AudioTrack ac3{.format = AudioFormat::Ac3, .bitRate = 448000, .channels = 6};
  Open({ac3});
  ASSERT_NE(window.AudioTracks(), nullptr);
  Close(GetParam().by);
  Pump();
  EXPECT_EQ(window.AudioTracks(), nullptr);
  EXPECT_TRUE(::IsWindowEnabled(window.Handle()));
  EXPECT_EQ(::GetActiveWindow(), window.Handle());
  if (GetParam().handsTheTracksOn) {
    ASSERT_EQ(accepted.size(), 1u);
    EXPECT_EQ(accepted.front(), std::vector<AudioTrack>{ac3});
  } else {
    EXPECT_TRUE(accepted.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    AudioTracksWindow, AudioTracksWindowClose,
    testing::Values(CloseCase{"Enter", CloseBy::Enter, true}, CloseCase{"Esc", CloseBy::Esc, false},
                    CloseCase{"the close box", CloseBy::CloseBox, false},
                    CloseCase{"a click on OK", CloseBy::ClickOnOk, true},
                    CloseCase{"a click on Cancel", CloseBy::ClickOnCancel, false}));

// Enter presses OK wherever the focus is but on Cancel, so OK looks it, as the tab key moves on.
TEST_F(AudioTracksWindowTest, OkLooksTheDefaultButtonWhileTheFocusIsInTheLists) {
  Open();
  const auto looksDefault = [&](const char* button) {
    return (::GetWindowLongPtrW(DialogHwnd(button), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  };
  for (int tab = 0; tab < 3; ++tab) {
    EXPECT_TRUE(looksDefault("cmdOK")) << DialogFocused();
    EXPECT_FALSE(looksDefault("cmdCancel")) << DialogFocused();
    Press(VK_TAB);
  }
  ::SetFocus(DialogHwnd("cmdCancel"));
  Pump();
  EXPECT_TRUE(looksDefault("cmdCancel"));
  EXPECT_FALSE(looksDefault("cmdOK"));
}

TEST_F(AudioTracksWindowTest, IsCancelledWhenTheMainWindowCloses) {
  Open();
  window.Window().Close();
  Pump();
  EXPECT_EQ(window.AudioTracks(), nullptr);
  EXPECT_TRUE(accepted.empty());
  EXPECT_EQ(windows.Count(), 0);
}

TEST_F(AudioTracksWindowTest, OpensAgainAfterItClosed) {
  Open();
  Press(VK_ESCAPE);
  Open();
  ASSERT_NE(window.AudioTracks(), nullptr);
  EXPECT_TRUE(::IsWindowVisible(Dialog().Handle()));
  EXPECT_FALSE(::IsWindowEnabled(window.Handle()));
}

struct DialogNameCase {
  const char* control;
  const char* name;
};

void PrintTo(const DialogNameCase& c, std::ostream* os) {
  *os << c.control;
}

class AudioTracksScreenReaderNames : public AudioTracksWindowTest,
                                     public testing::WithParamInterface<DialogNameCase> {};

// Each box of a row is named by the row's label and its column, so that a person moving down a
// column hears which track it is.
TEST_P(AudioTracksScreenReaderNames, AreTheRowsLabelAndTheColumn) {
  Open();
  EXPECT_EQ(Said(DialogHwnd(GetParam().control), Field::Name), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(AudioTracksWindow, AudioTracksScreenReaderNames,
                         testing::Values(DialogNameCase{"cmbFormat(0)", "Track 1 format"},
                                         DialogNameCase{"cmbChannels(0)", "Track 1 channels"},
                                         DialogNameCase{"cmbBitrate(1)", "Track 2 bitrate"},
                                         DialogNameCase{"cmbSampleRate(4)", "Track 5 sample rate"},
                                         DialogNameCase{"cmbBits(6)", "Track 7 bits"},
                                         DialogNameCase{"txtTrackSize(7)", "Track 8 size"},
                                         DialogNameCase{"txtTotal", "Total"}));

}  // namespace
}  // namespace quillbit
