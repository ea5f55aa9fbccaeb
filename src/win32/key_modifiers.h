#pragma once

namespace quillbit {

// Windows' virtual-key codes of the three modifier keys, either side of the keyboard.
inline constexpr int kVirtualShift = 16;
inline constexpr int kVirtualControl = 17;
inline constexpr int kVirtualAlt = 18;

// The models' modifier mask (Shift 1, Ctrl 2, Alt 4) of a key press or release, from the keys
// held as the message was read. The modifier key being pressed counts as held and the one being
// released as not held, whatever the keyboard state says.
int KeyModifierMask(int virtualKey, bool press, bool shiftHeld, bool ctrlHeld, bool altHeld);

}  // namespace quillbit
