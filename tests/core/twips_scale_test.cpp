#include "core/twips_scale.h"

#include <gtest/gtest.h>

namespace quillbit {
namespace {

TEST(TwipsScale, FifteenTwipsArePixelAtNinetySixDpi) {
  EXPECT_EQ(TwipsToPixels(15, 96), 1);
  EXPECT_EQ(TwipsToPixels(6450, 96), 430);
  EXPECT_EQ(TwipsToPixels(7170, 96), 478);
}

TEST(TwipsScale, OtherResolutionsScale) {
  EXPECT_EQ(TwipsToPixels(1440, 120), 120);
  EXPECT_EQ(TwipsToPixels(1440, 144), 144);
  EXPECT_EQ(TwipsToPixels(2505, 144), 251);  // 250.5 rounds up
  EXPECT_DOUBLE_EQ(PixelsToTwips(430, 96), 6450);
  EXPECT_DOUBLE_EQ(PixelsToTwips(120, 120), 1440);
}

TEST(TwipsScale, EdgesAreRoundedSoThatNeighboursTouch) {
  // 3120 + 2000 = 5120 twips, where the list beside it starts at 5160.
  const PixelRect box = TwipsToPixelRect({3120, 480, 2000, 360}, 144);
  EXPECT_EQ(box, (PixelRect{312, 48, 200, 36}));
  const PixelRect left = TwipsToPixelRect({0, 0, 1005, 15}, 120);
  const PixelRect right = TwipsToPixelRect({1005, 0, 1005, 15}, 120);
  EXPECT_EQ(left.left + left.width, right.left);
}

TEST(TwipsScale, ControlsInAFrameAreMovedByItsCorner) {
  // txtCCEMin at 3000,1320 inside Frame1 at 240,3840.
  EXPECT_EQ(TwipsToPixelRect({3000, 1320, 2000, 360}, 240, 3840, 96),
            (PixelRect{216, 344, 133, 24}));
}

TEST(TwipsScale, FontHeightsInPixels) {
  EXPECT_EQ(PointsToPixelHeight(8.25, 96), 11);
  EXPECT_EQ(PointsToPixelHeight(9.75, 96), 13);
  EXPECT_EQ(PointsToPixelHeight(12, 96), 16);
  EXPECT_EQ(PointsToPixelHeight(8.25, 192), 22);
}

TEST(TwipsScale, LineBoxHoldsTheLineAndItsPen) {
  // The About window's white etch line: 105,4740 to 6840,4740, two pixels wide.
  const LineBox line = LineToPixels({105, 4740, 6840, 4740}, 0, 0, 2, 96);
  EXPECT_EQ(line.box, (PixelRect{7, 316, 451, 2}));
  EXPECT_EQ(line.x1, 0);
  EXPECT_EQ(line.x2, 449);
  EXPECT_EQ(line.y1, 0);
  EXPECT_EQ(line.y2, 0);
}

TEST(TwipsScale, LineEndsMayComeInAnyOrder) {
  const LineBox line = LineToPixels({300, 300, 0, 0}, 0, 0, 1, 96);
  EXPECT_EQ(line.box, (PixelRect{0, 0, 21, 21}));
  EXPECT_EQ(line.x1, 20);
  EXPECT_EQ(line.y1, 20);
  EXPECT_EQ(line.x2, 0);
  EXPECT_EQ(line.y2, 0);
}

TEST(TwipsScale, DesignPixelsScale) {
  EXPECT_EQ(ScaleFromDesignDpi(32, 96), 32);
  EXPECT_EQ(ScaleFromDesignDpi(32, 144), 48);
  EXPECT_EQ(ScaleFromDesignDpi(32, 120), 40);
}

}  // namespace
}  // namespace quillbit
