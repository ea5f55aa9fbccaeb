#include "gui/hand_cursor.h"

#include <gtest/gtest.h>

#include <QPixmap>

namespace quillbit {
namespace {

constexpr QRgb kBlackPixel = 0xFF000000;
constexpr QRgb kWhitePixel = 0xFFFFFFFF;

TEST(HandCursor, Is32By32WithItsHotSpotOnTheFingertip) {
  const QCursor cursor = HandCursor();
  EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
  EXPECT_EQ(cursor.hotSpot(), QPoint(13, 5));
  EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
}

TEST(HandCursor, TheFingertipIsTheTopOfTheOutlineWithTheWhiteFingerBelow) {
  const QImage image = HandCursorImage();
  EXPECT_EQ(image.pixel(13, 5), kBlackPixel);
  for (int y = 0; y < 5; ++y) EXPECT_EQ(qAlpha(image.pixel(13, y)), 0) << "row " << y;
  EXPECT_EQ(image.pixel(13, 6), kWhitePixel);
  EXPECT_EQ(image.pixel(13, 12), kWhitePixel);
}

TEST(HandCursor, HasOnlyOpaqueBlackAndWhiteOnATransparentGround) {
  const QImage image = HandCursorImage();
  int black = 0;
  int white = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (pixel == kBlackPixel) {
        ++black;
      } else if (pixel == kWhitePixel) {
        ++white;
      } else {
        EXPECT_EQ(qAlpha(pixel), 0) << x << "," << y;
      }
    }
  }
  EXPECT_GT(white, black);
  EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(image.pixel(31, 31)), 0);
}

// No white pixel touches the transparent ground: the outline is closed all round.
TEST(HandCursor, TheOutlineIsClosed) {
  const QImage image = HandCursorImage();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != kWhitePixel) continue;
      for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
        const QPoint next = QPoint(x, y) + step;
        ASSERT_TRUE(image.rect().contains(next));
        EXPECT_NE(qAlpha(image.pixel(next)), 0) << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace quillbit
