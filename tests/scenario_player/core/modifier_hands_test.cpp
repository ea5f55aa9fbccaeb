#include "scenario_player/core/modifier_hands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/control_set.h"

namespace quillbit::scenario {
namespace {

// Each key event as "+Key" or "-Key", with the modifiers held before it after a slash.
class ModifierHandsTest : public ::testing::Test {
 protected:
  std::vector<std::string> events;
  bool windowOpen = true;
  ModifierHands hands{[this](std::string_view key, bool press, int held) {
    std::string event(press ? "+" : "-");
    event.append(key).append("/").append(std::to_string(held));
    events.push_back(event);
    return windowOpen;
  }};
};

TEST_F(ModifierHandsTest, AStrokePressesItsModifiersInOrderAndReleasesThemTheOtherWayRound) {
  hands.Stroke("Down", kAltMask | kShiftMask | kCtrlMask);
  EXPECT_EQ(events, (std::vector<std::string>{"+Shift/0", "+Control/1", "+Alt/3", "+Down/7",
                                              "-Down/7", "-Alt/7", "-Control/3", "-Shift/1"}));
  EXPECT_EQ(hands.Held(), 0);
}

TEST_F(ModifierHandsTest, HeldModifiersStayDownAcrossStrokesAndAreNotPressedTwice) {
  hands.Press(kShiftMask);
  hands.Stroke("B", kShiftMask | kCtrlMask);
  EXPECT_EQ(hands.Held(), kShiftMask);
  hands.Release(kShiftMask);
  EXPECT_EQ(events, (std::vector<std::string>{"+Shift/0", "+Control/1", "+B/3", "-B/3",
                                              "-Control/3", "-Shift/1"}));
}

TEST_F(ModifierHandsTest, AModifiersOwnKeyIsHeldForItsPressOnly) {
  hands.Stroke("Alt", 0);
  hands.Press(kAltMask);
  hands.Stroke("Alt", 0);
  EXPECT_EQ(events, (std::vector<std::string>{"+Alt/0", "-Alt/4", "+Alt/0", "-Alt/4"}));
  EXPECT_EQ(hands.Held(), 0);
}

TEST_F(ModifierHandsTest, PressingWithNoWindowOpenSaysSo) {
  windowOpen = false;
  EXPECT_FALSE(hands.Press(kCtrlMask));
  EXPECT_TRUE(hands.Press(0));
}

}  // namespace
}  // namespace quillbit::scenario
