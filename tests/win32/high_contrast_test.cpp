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
