#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/control.h"
#include "core/control_set.h"
#include "main_window/form1.h"
#include "scenario_player/core/modifier_hands.h"
#include "scenario_player/core/scenario_dump.h"
#include "scenario_player/core/window_id.h"

namespace quillbit::scenario {

// A control of a shown window as a person finds it.
struct FoundControl {
  WindowId window = WindowId::Main;
  ControlKind kind = ControlKind::Label;
  ControlView shown;        // read from what shows it: visible, enabled, items, ...
  bool opensMenu = false;   // a menu item that holds a menu of its own
  bool takesFocus = false;  // a click gives it the focus
};

// What the main window's model holds, for the dump.
struct MainModelView {
  Form1State state;
  int calcRuns = 0;
};

// How a front end plays a person's actions on the program's real windows, for the player. The
// player decides what a line may do and says why not; the front end finds, drives and reads the
// windows. What is the same for every toolkit is done here: finding a control in the shown
// windows, the focus by control, and the modifier keys a person holds. The toolkit's front end
// does the rest through the protected functions below. Controls are named as the scenario names
// them; keys by the names scenarios use ("Left", "Return", "A", "F5", "Delete"), of which every
// front end accepts at least those of KeyNames() (key_names.h); modifiers are masks of
// kShiftMask, kCtrlMask and kAltMask.
class FrontEnd {
 public:
  FrontEnd();
  virtual ~FrontEnd() = default;
  FrontEnd(const FrontEnd&) = delete;
  FrontEnd& operator=(const FrontEnd&) = delete;

  // Starts a run of the program: loads the main window and shows it, active.
  virtual void Start() = 0;
  bool Shown(WindowId window) const { return ControlsShown(window) != nullptr; }
  // The first window shown, the main window first; none when none is.
  std::optional<WindowId> AnyShown() const;
  // Lets what the last action set going finish, as the event loop would before the next one.
  virtual void Settle() = 0;
  // Closes the shown window as its title bar's close box does.
  virtual void Close(WindowId window) = 0;
  // Whether a shown window takes no input from a person: a modal window over it is open.
  virtual bool Blocked(WindowId window) const = 0;

  // The control in the first shown window that shows it, the main window first; none when no
  // shown window has it.
  std::optional<FoundControl> Find(std::string_view name) const;
  // Whether the main window of the last run has the control, open or not.
  bool MainHas(std::string_view name) const;

  // Activates the control's window and gives the control the focus.
  virtual void Focus(std::string_view name) = 0;
  // Whether the toolkit knows a key of that name.
  virtual bool KnowsKey(std::string_view key) const = 0;
  // One key pressed and released where keys go, with `modifiers` held for it on top of those
  // held already; the release goes wherever the press moved the focus.
  void Stroke(std::string_view key, int modifiers) { hands_.Stroke(key, modifiers); }
  // A key press and release per character, starting at the control and following the focus.
  virtual void Type(std::string_view name, std::string_view text) = 0;
  // Selects all of a text box's text as a mouse drag would: no key event reaches the window.
  virtual void SelectAll(std::string_view name) = 0;

  // The modifier keys held down now.
  int HeldModifiers() const { return hands_.Held(); }
  // Presses, or releases, those of `mask` that are not (or are) held, where keys go now: the
  // focus, else the active window, else a shown window. False when no window is open.
  bool PressModifiers(int mask) { return hands_.Press(mask); }
  bool ReleaseModifiers(int mask) { return hands_.Release(mask); }

  // Activates the control's window and clicks the control with the left button.
  virtual void Click(std::string_view name) = 0;
  // Opens the list with a click and clicks its item `index`; false when the list did not close
  // on it.
  virtual bool Pick(std::string_view name, int index) = 0;
  // Drops files (UTF-8 paths) on the control, as a file manager's drag and drop does; false when
  // no window there takes dropped files.
  virtual bool Drop(std::string_view name, const std::vector<std::string>& paths) = 0;
  // The files the next file dialog is answered with, chosen together; the dialog after it is
  // cancelled.
  virtual void AnswerFileDialog(std::vector<std::string> paths) = 0;
  enum class MenuChoice { Chosen, NotInMenuBar, NotChosen };
  // Opens the item's menu from the menu bar and chooses the item.
  virtual MenuChoice ChooseMenuItem(std::string_view name) = 0;

  // Every control of a shown window in the order of its model, as shown, and the title; none
  // when the window is not shown.
  virtual std::optional<WindowView> ReadWindow(WindowId window) const = 0;
  // The control of a shown window that has the keyboard focus, as the toolkit reports it; none
  // when no control has it (the focus on a window itself, or on no window of the program).
  std::optional<std::string> Focused() const;
  // None before the first start.
  virtual std::optional<MainModelView> MainModel() const = 0;
  // Message boxes answered, targets handed to the desktop and programs started, so far.
  virtual std::vector<MessageView> Messages() const = 0;
  virtual std::vector<std::string> Opened() const = 0;
  virtual std::vector<std::string> Started() const = 0;

 protected:
  // How a shown window shows one of its controls.
  struct Showing {
    ControlView shown;        // read from what shows it: visible, enabled, items, ...
    bool opensMenu = false;   // a menu item that holds a menu of its own
    bool takesFocus = false;  // a click gives it the focus
  };

  // The control list of the window while it is shown; null when it is not.
  virtual ControlSet* ControlsShown(WindowId window) const = 0;
  // The control list of the last run's main window, open or not; null before the first start.
  virtual ControlSet* MainControls() const = 0;
  // How the shown window shows the control; none when it has no widget or menu item for it.
  virtual std::optional<Showing> Show(WindowId window, const Control& control) const = 0;
  // The control of the shown window whose widget, or a part of it, has the focus; null for none.
  virtual const Control* FocusIn(WindowId window) const = 0;
  // A key's press or release, by its name, where keys go now (the focus, else the active
  // window, else a shown window), with the modifiers held before it; false when no window is
  // open.
  virtual bool KeyEvent(std::string_view key, bool press, int heldBefore) = 0;

  // The first shown window that shows the control, the main window first; none for none.
  std::optional<WindowId> WindowWith(std::string_view name) const;

 private:
  ModifierHands hands_;
};

}  // namespace quillbit::scenario
