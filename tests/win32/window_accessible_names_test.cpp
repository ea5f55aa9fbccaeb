// The names and descriptions a screen reader gets for the main window's controls, read as it
// reads them: through the accessibility layer, as another process would.
#include <windows.h>
// After windows.h, which it needs.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <string>

#include "tests/win32/screen_reader.h"
#include "tests/win32/window_fixture.h"

namespace quillbit {
namespace {

struct NameCase {
  const char* control;
  const char* name;
};

void PrintTo(const NameCase& c, std::ostream* os) {
  *os << c.control;
}

class ScreenReaderNames : public MainWindowTest, public testing::WithParamInterface<NameCase> {};

TEST_P(ScreenReaderNames, AreTheCaptionsThatStandForTheControls) {
  EXPECT_EQ(Said(Hwnd(GetParam().control), Field::Name), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, ScreenReaderNames,
    testing::Values(NameCase{"txtFrames", "Total frames in movie"},
                    NameCase{"cmbCCESet", "CCE Method"}, NameCase{"txtFPS", "Frame rate (fps)"},
                    NameCase{"txtAudio", "Audio file(s) total size"},
                    NameCase{"cmbAudio", "Audio file(s) total size unit"},
                    NameCase{"cmbDest", "Destination size unit"}, NameCase{"txtCCEMax", "CCE Max"},
                    NameCase{"txtLength", "Movie Length"},
                    NameCase{"txtM2VSize", "Estimated output size"},
                    NameCase{"cmbM2VSize", "Estimated output size unit"},
                    NameCase{"chkFF", "Forced FILM"}, NameCase{"optFormat(1)", "PAL"}));

class ScreenReaderText : public MainWindowTest {};

TEST_F(ScreenReaderText, NamesFollowACaptionThatAMethodRewrites) {
  window.Model().cmbCCESet.SetText("Single Pass (Bach Method)");
  Pump();
  EXPECT_EQ(Said(Hwnd("txtCCEQ"), Field::Name), "Recommended CCE Q");
  EXPECT_EQ(Said(Hwnd("txtCCEMin"), Field::Name), "CCE Min");
}

TEST_F(ScreenReaderText, AUnitListIsDescribedByItsTooltip) {
  EXPECT_EQ(Said(Hwnd("cmbAudio"), Field::Description), "Hold down SHIFT to convert");
  EXPECT_EQ(Said(Hwnd("txtAudio"), Field::Description), "");
}

// The limits line is plain text on the window, read out as it is shown.
TEST_F(ScreenReaderText, TheLimitsLineIsReadAsTheTextItShows) {
  const std::string line = "Video bitrate above 9,800 kbit/s by 200 kbit/s";
  window.Model().Get("lblLimits").SetText(line);
  const HWND limits = Hwnd("lblLimits");
  ASSERT_NE(limits, nullptr);
  EXPECT_TRUE(::IsWindowVisible(limits));
  wchar_t text[256] = {};
  ::GetWindowTextW(limits, text, 256);
  EXPECT_EQ(Utf8Text(text), line);
  EXPECT_EQ(Said(limits, Field::Name), line);
}

// The rest of what a screen reader is told stays the platform's: a result box is read-only.
TEST_F(ScreenReaderText, AResultBoxIsReadOnly) {
  IAccessible* accessible = nullptr;
  ASSERT_TRUE(SUCCEEDED(
      ::AccessibleObjectFromWindow(Hwnd("txtCCEMax"), static_cast<DWORD>(OBJID_CLIENT),
                                   __uuidof(IAccessible), reinterpret_cast<void**>(&accessible))));
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  VARIANT state{};
  EXPECT_TRUE(SUCCEEDED(accessible->get_accState(self, &state)));
  accessible->Release();
  EXPECT_EQ(state.vt, VT_I4);
  EXPECT_NE(state.lVal & STATE_SYSTEM_READONLY, 0);
}

}  // namespace
}  // namespace quillbit
