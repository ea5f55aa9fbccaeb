#include "scenario_player/core/modifier_hands.h"

#include <iterator>

#include "core/control_set.h"

namespace quillbit::scenario {
namespace {

struct ModifierKey {
  int bit;
  std::string_view name;
};

// In the order a person presses them; released the other way round.
constexpr ModifierKey kModifierKeys[] = {
    {kShiftMask, "Shift"},
    {kCtrlMask, "Control"},
    {kAltMask, "Alt"},
};

int ModifierBitOf(std::string_view key) {
  for (const ModifierKey& entry : kModifierKeys) {
    if (entry.name == key) return entry.bit;
  }
  return 0;
}

}  // namespace

// A modifier key's press carries the modifiers held before it, its release those held until
// then, as the window systems report them.
bool ModifierHands::Modifier(int bit, bool press) {
  for (const ModifierKey& entry : kModifierKeys) {
    if (entry.bit != bit) continue;
    const int before = held_;
    held_ = press ? (held_ | bit) : (held_ & ~bit);
    return send_(entry.name, press, before);
  }
  return false;
}

bool ModifierHands::Press(int mask) {
  bool delivered = true;
  for (const ModifierKey& entry : kModifierKeys) {
    if ((mask & entry.bit) != 0 && (held_ & entry.bit) == 0)
      delivered = Modifier(entry.bit, true) && delivered;
  }
  return delivered;
}

bool ModifierHands::Release(int mask) {
  bool delivered = true;
  for (auto it = std::rbegin(kModifierKeys); it != std::rend(kModifierKeys); ++it) {
    if ((mask & it->bit) != 0 && (held_ & it->bit) != 0)
      delivered = Modifier(it->bit, false) && delivered;
  }
  return delivered;
}

void ModifierHands::Stroke(std::string_view key, int mask) {
  const int extra = mask & ~held_;
  Press(extra);
  if (const int own = ModifierBitOf(key)) {
    // The key named is itself a modifier: pressing it is holding it.
    if ((held_ & own) == 0) Modifier(own, true);
    Modifier(own, false);
  } else {
    send_(key, true, held_);
    // The press may have moved the focus or closed the window; the release goes where keys go
    // now.
    send_(key, false, held_);
  }
  Release(extra);
}

}  // namespace quillbit::scenario
