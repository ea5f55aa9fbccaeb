#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string_view>

#include "core/control_set.h"
#include "core/shown_control.h"

namespace quillbit {

// The unit for the menu kind: a window's menu bar built from its Menu controls (a menu's
// container is the menu it opens from; an item with items of its own opens a menu) and kept in
// step with them. Hidden items are left out; a change of an item's caption, visibility or state
// builds the bar anew, a checkable item's value only sets or clears its check mark.
class Win32MenuBar {
 public:
  // `commandId` gives each item the id its WM_COMMAND carries.
  Win32MenuBar(ControlSet& controls, std::function<int(const Control&)> commandId);
  ~Win32MenuBar();
  Win32MenuBar(const Win32MenuBar&) = delete;
  Win32MenuBar& operator=(const Win32MenuBar&) = delete;

  // Whether the window has a menu bar at all.
  bool Present() const { return present_; }
  // Puts the bar on the window (which then owns it); none when there is no menu.
  void Attach(HWND window);
  // The window is gone, and the bar it held went with it.
  void Detach();

  // Shows a change of a Menu control's property.
  void Show(const Control& control, Property property);
  // The item a menu command is for; null for any other id.
  Control* ControlForCommand(int id) const;

  // Where an item is shown: the menu that holds it, its place there, and the bar's own menu for
  // one on the bar. None when it is hidden (or its menu is).
  struct Place {
    HMENU menu = nullptr;
    int position = 0;
  };
  std::optional<Place> Find(std::string_view name) const;
  // What a person reads on the item, from the menu rather than the model; a checkable item's
  // value is whether it shows its check mark.
  ShownControl Read(const Control& control) const;

 private:
  HMENU Build(std::string_view container, bool bar) const;
  void Rebuild();

  ControlSet& controls_;
  std::function<int(const Control&)> commandId_;
  bool present_ = false;
  HWND window_ = nullptr;
  HMENU bar_ = nullptr;
};

}  // namespace quillbit
