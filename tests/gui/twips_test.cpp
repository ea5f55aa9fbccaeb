#include "gui/twips.h"

#include <gtest/gtest.h>

namespace quillbit {
namespace {

struct TwipsCase {
  double twips;
  double dpi;
  int pixels;
};

class TwipsToPixelsTest : public ::testing::TestWithParam<TwipsCase> {};

TEST_P(TwipsToPixelsTest, FifteenTwipsAPixelAt96DpiScaledWithTheScreen) {
  const TwipsCase& c = GetParam();
  EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels);
}

INSTANTIATE_TEST_SUITE_P(Table, TwipsToPixelsTest,
                         ::testing::Values(TwipsCase{0, 96, 0}, TwipsCase{15, 96, 1},
                                           TwipsCase{6450, 96, 430}, TwipsCase{7170, 96, 478},
                                           TwipsCase{6450, 144, 645}, TwipsCase{6450, 192, 860},
                                           TwipsCase{8, 96, 1}, TwipsCase{7, 96, 0}));

TEST(Twips, PixelsBackToTwipsUndoTheScale) {
  EXPECT_DOUBLE_EQ(PixelsToTwips(430, 96), 6450);
  EXPECT_DOUBLE_EQ(PixelsToTwips(645, 144), 6450);
}

TEST(Twips, RectanglesThatTouchInTwipsTouchOnScreen) {
  // At 120 dpi 1 pixel is 12 twips: two boxes sharing an edge must share it after rounding.
  const QRect a = TwipsToRect({100, 100, 1000, 350}, 120);
  const QRect b = TwipsToRect({1100, 100, 1000, 350}, 120);
  EXPECT_EQ(a.right() + 1, b.left());
}

TEST(Twips, FormLayoutBoxAt96Dpi) {
  EXPECT_EQ(TwipsToRect({3120, 480, 2000, 360}, 96), QRect(208, 32, 133, 24));
}

}  // namespace
}  // namespace quillbit
