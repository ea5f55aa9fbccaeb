#include "win32/key_modifiers.h"

#include "core/control_set.h"

namespace quillbit {
namespace {

// The left and right keys' own codes, which some keyboard hooks report.
constexpr int kLeftShift = 160, kRightShift = 161;
constexpr int kLeftControl = 162, kRightControl = 163;
constexpr int kLeftAlt = 164, kRightAlt = 165;

int OwnModifierBit(int virtualKey) {
  switch (virtualKey) {
    case kVirtualShift:
    case kLeftShift:
    case kRightShift:
      return kShiftMask;
    case kVirtualControl:
    case kLeftControl:
    case kRightControl:
      return kCtrlMask;
    case kVirtualAlt:
    case kLeftAlt:
    case kRightAlt:
      return kAltMask;
    default:
      return 0;
  }
}

}  // namespace

int KeyModifierMask(int virtualKey, bool press, bool shiftHeld, bool ctrlHeld, bool altHeld) {
  int mask = 0;
  if (shiftHeld) mask |= kShiftMask;
  if (ctrlHeld) mask |= kCtrlMask;
  if (altHeld) mask |= kAltMask;
  if (const int own = OwnModifierBit(virtualKey)) mask = press ? (mask | own) : (mask & ~own);
  return mask;
}

}  // namespace quillbit
