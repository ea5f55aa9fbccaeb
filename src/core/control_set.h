#pragma once

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/control.h"

namespace quillbit {

// Modifier mask of the key events: Shift 1, Ctrl 2, Alt 4.
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

// A window's controls in designer order, with the window-level key preview. Views build their
// widgets from this list and subscribe to its property changes.
class ControlSet {
 public:
  using Observer = std::function<void(const Control&, Property)>;

  explicit ControlSet(const std::vector<ControlDesign>& designs);
  ControlSet(const ControlSet&) = delete;
  ControlSet& operator=(const ControlSet&) = delete;

  // Every control, in designer order. References stay valid for the set's life.
  const std::deque<Control>& All() const { return controls_; }
  std::deque<Control>& All() { return controls_; }
  Control& Get(std::string_view name);
  Control* Find(std::string_view name);

  // Subscribes to every property change; returns an id for Unsubscribe.
  int Subscribe(Observer observer);
  void Unsubscribe(int id);
  void Notify(const Control& control, Property property) const;

  // A key press or release while `focused` has the focus (may be null): the window's preview
  // handler first, then the control's own.
  void KeyDown(Control* focused, int key, int shift);
  void KeyUp(Control* focused, int key, int shift);
  std::function<void(int key, int shift)> onFormKeyDown;
  std::function<void(int key, int shift)> onFormKeyUp;

  // Files a person dropped on `control` (null for the window itself), as UTF-8 paths. A window
  // takes dropped files only when it has a handler for them.
  bool TakesDroppedFiles() const { return static_cast<bool>(onFilesDropped); }
  void FilesDropped(const Control* control, const std::vector<std::string>& paths);
  std::function<void(const Control* control, const std::vector<std::string>& paths)> onFilesDropped;

 private:
  std::deque<Control> controls_;
  std::vector<std::pair<int, Observer>> observers_;
  int nextObserver_ = 1;
};

}  // namespace quillbit
