#include "scenario_player/core/front_end.h"

namespace quillbit::scenario {

FrontEnd::FrontEnd()
    : hands_([this](std::string_view key, bool press, int heldBefore) {
        return KeyEvent(key, press, heldBefore);
      }) {}

std::optional<WindowId> FrontEnd::WindowWith(std::string_view name) const {
  for (const WindowName& window : kWindows) {
    const WindowId id = window.id;
    ControlSet* controls = ControlsShown(id);
    const Control* control = controls != nullptr ? controls->Find(name) : nullptr;
    if (control != nullptr && Show(id, *control)) return id;
  }
  return std::nullopt;
}

std::optional<WindowId> FrontEnd::AnyShown() const {
  for (const WindowName& window : kWindows) {
    const WindowId id = window.id;
    if (Shown(id)) return id;
  }
  return std::nullopt;
}

std::optional<FoundControl> FrontEnd::Find(std::string_view name) const {
  for (const WindowName& window : kWindows) {
    const WindowId id = window.id;
    ControlSet* controls = ControlsShown(id);
    const Control* control = controls != nullptr ? controls->Find(name) : nullptr;
    if (control == nullptr) continue;
    std::optional<Showing> showing = Show(id, *control);
    if (!showing) continue;
    return FoundControl{.window = id,
                        .kind = control->Kind(),
                        .shown = std::move(showing->shown),
                        .opensMenu = showing->opensMenu,
                        .takesFocus = showing->takesFocus};
  }
  return std::nullopt;
}

bool FrontEnd::MainHas(std::string_view name) const {
  ControlSet* controls = MainControls();
  return controls != nullptr && controls->Find(name) != nullptr;
}

std::optional<std::string> FrontEnd::Focused() const {
  for (const WindowName& window : kWindows) {
    const WindowId id = window.id;
    if (!Shown(id)) continue;
    if (const Control* control = FocusIn(id)) return control->Name();
  }
  return std::nullopt;
}

}  // namespace quillbit::scenario
