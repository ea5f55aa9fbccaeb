#pragma once

#include <functional>
#include <string_view>

namespace quillbit::scenario {

// The modifier keys a person holds down (kShiftMask, kCtrlMask, kAltMask) and the order their
// keys go down and up in: Shift, Ctrl, Alt pressed in that order, released the other way round.
// Every press and release is one key event of the toolkit, by the key's name ("Shift",
// "Control", "Alt", or any key of KeyNames()) with the modifiers held before it.
class ModifierHands {
 public:
  // Delivers a key's press or release where keys go now; false when no window takes keys.
  using KeyEvent = std::function<bool(std::string_view key, bool press, int heldBefore)>;

  explicit ModifierHands(KeyEvent send) : send_(std::move(send)) {}

  int Held() const { return held_; }
  // Presses, or releases, those of `mask` that are not (or are) held; false when no window
  // takes keys.
  bool Press(int mask);
  bool Release(int mask);
  // One key pressed and released with `mask` held for it on top of what is held already; a
  // modifier's own key is held for its press.
  void Stroke(std::string_view key, int mask);

 private:
  bool Modifier(int bit, bool press);

  KeyEvent send_;
  int held_ = 0;
};

}  // namespace quillbit::scenario
