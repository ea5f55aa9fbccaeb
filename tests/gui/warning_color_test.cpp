// The warning colour on light, dark and in-between desktops: a red that stays readable.
#include "gui/warning_color.h"

#include <gtest/gtest.h>

#include "gui/control_style.h"

namespace quillbit {
namespace {

TEST(ContrastRatio, RunsFromOneForTheSameColourToTwentyOneForBlackOnWhite) {
  EXPECT_DOUBLE_EQ(ContrastRatio(Qt::white, Qt::white), 1.0);
  EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(Qt::white, Qt::black), 21.0, 1e-9);
  // WCAG's own example: #767676 is the lightest grey that keeps 4.5:1 on white.
  EXPECT_NEAR(ContrastRatio(QColor(0x76, 0x76, 0x76), Qt::white), 4.54, 0.01);
}

struct PaletteCase {
  const char* name;
  QColor window;
  bool darkerThanWindow;
};

void PrintTo(const PaletteCase& c, std::ostream* os) {
  *os << c.name;
}

class WarningTextOnPalette : public ::testing::TestWithParam<PaletteCase> {};

TEST_P(WarningTextOnPalette, IsARedThatKeepsItsContrastWithTheWindow) {
  const PaletteCase& c = GetParam();
  QPalette palette(Qt::black, c.window);
  palette.setColor(QPalette::Window, c.window);
  const QColor warning = ToQColor(kWarningText, palette);
  EXPECT_GE(ContrastRatio(warning, c.window), kWarningMinContrast) << warning.name().toStdString();
  // Red: the red channel leads, green and blue alike.
  EXPECT_GT(warning.red(), warning.green());
  EXPECT_EQ(warning.green(), warning.blue());
  EXPECT_EQ(warning.lightnessF() < c.window.lightnessF(), c.darkerThanWindow);
  EXPECT_NE(warning, palette.color(QPalette::WindowText));
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, WarningTextOnPalette,
    ::testing::Values(PaletteCase{"White", QColor(0xFF, 0xFF, 0xFF), true},
                      PaletteCase{"FusionLight", QColor(0xEF, 0xEF, 0xEF), true},
                      PaletteCase{"ClassicGrey", QColor(0xD4, 0xD0, 0xC8), true},
                      PaletteCase{"MidGreyLight", QColor(0x90, 0x90, 0x90), true},
                      PaletteCase{"MidGreyDark", QColor(0x60, 0x60, 0x60), false},
                      PaletteCase{"FusionDark", QColor(0x35, 0x35, 0x35), false},
                      PaletteCase{"Adwaita", QColor(0x24, 0x24, 0x24), false},
                      PaletteCase{"Black", QColor(0x00, 0x00, 0x00), false}),
    [](const ::testing::TestParamInfo<PaletteCase>& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace quillbit
