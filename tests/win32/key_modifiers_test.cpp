#include "win32/key_modifiers.h"

#include <gtest/gtest.h>

#include "core/control_set.h"

namespace quillbit {
namespace {

constexpr int kLetterS = 'S';
constexpr int kF10 = 121;

TEST(KeyModifierMask, HeldModifiersMakeTheMask) {
  EXPECT_EQ(KeyModifierMask(kLetterS, true, false, false, false), 0);
  EXPECT_EQ(KeyModifierMask(kLetterS, true, true, false, false), kShiftMask);
  EXPECT_EQ(KeyModifierMask(kLetterS, true, false, true, false), kCtrlMask);
  EXPECT_EQ(KeyModifierMask(kLetterS, true, false, false, true), kAltMask);
  EXPECT_EQ(KeyModifierMask(kF10, false, true, true, true), kShiftMask | kCtrlMask | kAltMask);
}

TEST(KeyModifierMask, AModifierPressedCountsAsHeld) {
  EXPECT_EQ(KeyModifierMask(kVirtualShift, true, false, false, false), kShiftMask);
  EXPECT_EQ(KeyModifierMask(kVirtualControl, true, false, false, false), kCtrlMask);
  EXPECT_EQ(KeyModifierMask(kVirtualAlt, true, false, false, false), kAltMask);
}

TEST(KeyModifierMask, AModifierReleasedCountsAsNotHeld) {
  EXPECT_EQ(KeyModifierMask(kVirtualShift, false, true, false, false), 0);
  EXPECT_EQ(KeyModifierMask(kVirtualAlt, false, true, false, true), kShiftMask);
  EXPECT_EQ(KeyModifierMask(kVirtualControl, false, false, true, true), kAltMask);
}

TEST(KeyModifierMask, EitherSidesOwnCodesCountAsTheModifier) {
  EXPECT_EQ(KeyModifierMask(160, true, false, false, false), kShiftMask);  // left Shift
  EXPECT_EQ(KeyModifierMask(163, false, false, true, false), 0);           // right Ctrl
  EXPECT_EQ(KeyModifierMask(165, true, false, false, false), kAltMask);    // right Alt
}

}  // namespace
}  // namespace quillbit
