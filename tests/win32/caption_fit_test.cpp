#include "win32/caption_fit.h"

#include <gtest/gtest.h>

namespace quillbit {
namespace {

TEST(NarrowerWidth, AimsAtTheWidthThatFits) {
  EXPECT_EQ(NarrowerWidth(100, 183, 167), 91);
  EXPECT_EQ(NarrowerWidth(100, 110, 100), 90);
}

TEST(NarrowerWidth, AlwaysNarrowsAtLeastALittle) {
  EXPECT_EQ(NarrowerWidth(100, 101, 100), 98);
  EXPECT_EQ(NarrowerWidth(91, 168, 167), 89);
}

TEST(NarrowerWidth, StopsAtTheNarrowest) {
  EXPECT_EQ(NarrowerWidth(100, 400, 100), kNarrowestWidth);
  EXPECT_EQ(NarrowerWidth(72, 200, 100), kNarrowestWidth);
  EXPECT_EQ(NarrowerWidth(100, 50, -5), kNarrowestWidth);
}

}  // namespace
}  // namespace quillbit
