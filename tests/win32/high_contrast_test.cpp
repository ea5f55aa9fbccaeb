#include "win32/high_contrast.h"

#include <gtest/gtest.h>

#include "tests/win32/window_fixture.h"

namespace quillbit {
namespace {

struct ContrastCase {
  const char* what;
  Color designed;
  ColorRole role;
  int index;
};

void PrintTo(const ContrastCase& c, std::ostream* os) {
  *os << c.what;
}

class HighContrastColors : public testing::TestWithParam<ContrastCase> {};

TEST_P(HighContrastColors, GiveWayToTheSchemesColor) {
  EXPECT_EQ(HighContrastColorIndex(GetParam().designed, GetParam().role), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(
    HighContrast, HighContrastColors,
    testing::Values(
        ContrastCase{"a highlighted value", kBlue, ColorRole::Text, COLOR_HOTLIGHT},
        ContrastCase{"black text", kBlack, ColorRole::Text, COLOR_WINDOWTEXT},
        ContrastCase{"grey text", Color::Rgb(128, 128, 128), ColorRole::Text, COLOR_WINDOWTEXT},
        ContrastCase{"a system colour", kWindowText, ColorRole::Text, -1},
        ContrastCase{"a system background", kButtonFace, ColorRole::Background, -1},
        ContrastCase{"a grey box", Color::Rgb(224, 224, 224), ColorRole::Background, COLOR_BTNFACE},
        ContrastCase{"a white box", Color::Rgb(255, 255, 255), ColorRole::Background, COLOR_WINDOW},
        ContrastCase{"an etched line's shadow", Color::Rgb(128, 128, 128), ColorRole::Line,
                     COLOR_WINDOWTEXT},
        ContrastCase{"an etched line's light", Color::Rgb(255, 255, 255), ColorRole::Line,
                     COLOR_3DHIGHLIGHT},
        ContrastCase{"a coloured line", Color::Rgb(200, 0, 0), ColorRole::Line, COLOR_HOTLIGHT}));

TEST(DrawnColor, IsTheDesignedOneWithoutHighContrast) {
  EXPECT_EQ(DrawnColor(kBlue, ColorRole::Text, false), kBlue);
  const COLORREF hot = ::GetSysColor(COLOR_HOTLIGHT);
  EXPECT_EQ(DrawnColor(kBlue, ColorRole::Text, true),
            Color::Rgb(GetRValue(hot), GetGValue(hot), GetBValue(hot)));
}

struct WarningCase {
  const char* face;
  COLORREF faceColor;
  COLORREF warning;
};

void PrintTo(const WarningCase& c, std::ostream* os) {
  *os << c.face;
}

class WarningText : public testing::TestWithParam<WarningCase> {};

// RGB(192,0,0) where it reads, else the reddest darker red that still does; a face no red reads
// on gets the fallback (the window text).
TEST_P(WarningText, IsTheReddestDarkRedThatReadsOnTheFace) {
  const COLORREF fallback = RGB(1, 2, 3);
  const COLORREF warning = WarningTextOn(GetParam().faceColor, fallback);
  EXPECT_EQ(warning, GetParam().warning);
  if (warning == fallback) return;
  EXPECT_GE(ContrastRatio(warning, GetParam().faceColor), 4.5);
  if (GetRValue(warning) < 192) {
    EXPECT_LT(ContrastRatio(RGB(GetRValue(warning) + 16, 0, 0), GetParam().faceColor), 4.5)
        << "a redder one would do";
  }
}

INSTANTIATE_TEST_SUITE_P(
    HighContrast, WarningText,
    testing::Values(WarningCase{"white", RGB(255, 255, 255), RGB(192, 0, 0)},
                    WarningCase{"Windows 10's 240 grey", RGB(240, 240, 240), RGB(192, 0, 0)},
                    WarningCase{"the classic 192 grey", RGB(192, 192, 192), RGB(160, 0, 0)},
                    WarningCase{"a dark face", RGB(32, 32, 32), RGB(1, 2, 3)}));

TEST(ContrastRatio, RunsFromOneForEqualColorsToTwentyOneForBlackOnWhite) {
  EXPECT_DOUBLE_EQ(ContrastRatio(RGB(90, 90, 90), RGB(90, 90, 90)), 1.0);
  EXPECT_NEAR(ContrastRatio(RGB(0, 0, 0), RGB(255, 255, 255)), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(RGB(192, 0, 0), RGB(240, 240, 240)), 5.68, 0.01);
}

class HighContrastWindow : public MainWindowTest {
 protected:
  // The text colour the window tells a control to draw in (WM_CTLCOLOR*).
  COLORREF TextColor(const char* control) {
    const HWND hwnd = Hwnd(control);
    const HDC dc = ::GetDC(hwnd);
    ::SendMessageW(window.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(hwnd));
    const COLORREF color = ::GetTextColor(dc);
    ::ReleaseDC(hwnd, dc);
    return color;
  }
};

TEST_F(HighContrastWindow, DrawsTheHighlightedValueInTheSchemesColorWhileItIsOn) {
  ASSERT_EQ(TextColor("txtCCEMin"), RGB(0, 0, 255));
  window.View().ColorsChanged(true);
  EXPECT_EQ(TextColor("txtCCEMin"), ::GetSysColor(COLOR_HOTLIGHT));
  EXPECT_EQ(TextColor("Label1"), ::GetSysColor(COLOR_WINDOWTEXT));
  window.View().ColorsChanged(false);
  EXPECT_EQ(TextColor("txtCCEMin"), RGB(0, 0, 255));
}

// The limits line, once the model colours it as a warning: a dark red that reads on the
// window's face, the scheme's window text while high contrast is on.
TEST_F(HighContrastWindow, DrawsWarningTextInDarkRedOrInTheSchemesTextColor) {
  window.Model().Get("lblLimits").SetForeColor(kWarningText);
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(TextColor("lblLimits"), WarningTextOn(face, ::GetSysColor(COLOR_WINDOWTEXT)));
  EXPECT_GE(ContrastRatio(TextColor("lblLimits"), face), 4.5);
  window.View().ColorsChanged(true);
  EXPECT_EQ(TextColor("lblLimits"), ::GetSysColor(COLOR_WINDOWTEXT));
  window.View().ColorsChanged(false);
  EXPECT_EQ(TextColor("lblLimits"), WarningTextOn(face, ::GetSysColor(COLOR_WINDOWTEXT)));
}

// Turned on as the control panel does, the setting reaches every window. Wine 8 refuses to
// set it (ERROR_INVALID_SPI_VALUE); there the window is shown to read it anew when told of a
// change.
TEST_F(HighContrastWindow, FollowsTheSettingWhenItChanges) {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  wchar_t scheme[] = L"High Contrast Black";
  contrast.lpszDefaultScheme = scheme;
  contrast.dwFlags = HCF_HIGHCONTRASTON;
  const bool set =
      ::SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof contrast, &contrast, SPIF_SENDCHANGE);
  Pump();
  if (set && HighContrastOn()) {
    EXPECT_EQ(TextColor("txtCCEMin"), ::GetSysColor(COLOR_HOTLIGHT));
    contrast.dwFlags = 0;
    ::SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof contrast, &contrast, SPIF_SENDCHANGE);
    Pump();
  } else {
    window.View().ColorsChanged(true);
    ::SendMessageW(window.Handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  }
  EXPECT_EQ(TextColor("txtCCEMin"), RGB(0, 0, 255));
}

}  // namespace
}  // namespace quillbit
