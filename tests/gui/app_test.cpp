#include "gui/app.h"

#include <gtest/gtest.h>

namespace quillbit {
namespace {

struct DisplayCase {
  const char* display;
  const char* wayland;
  const char* platform;
  bool available;
};

class DisplayAvailableTest : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayAvailableTest, NeedsADisplayOrAPlatformChosenByHand) {
  const DisplayCase& c = GetParam();
  EXPECT_EQ(DisplayAvailable(c.display, c.wayland, c.platform), c.available);
}

INSTANTIATE_TEST_SUITE_P(Table, DisplayAvailableTest,
                         ::testing::Values(DisplayCase{nullptr, nullptr, nullptr, false},
                                           DisplayCase{"", "", "", false},
                                           DisplayCase{":0", nullptr, nullptr, true},
                                           DisplayCase{nullptr, "wayland-0", nullptr, true},
                                           DisplayCase{nullptr, nullptr, "offscreen", true}));

}  // namespace
}  // namespace quillbit
