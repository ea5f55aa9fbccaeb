#include "scenario_player/core/window_id.h"

namespace quillbit::scenario {

std::optional<WindowId> WindowByWord(std::string_view word) {
  for (const WindowName& name : kWindows) {
    if (name.word == word) return name.id;
  }
  return std::nullopt;
}

const WindowName& NameOf(WindowId window) {
  for (const WindowName& name : kWindows) {
    if (name.id == window) return name;
  }
  return kWindows[0];
}

}  // namespace quillbit::scenario
