#pragma once

#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <shellapi.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/control_set.h"
#include "core/shown_control.h"
#include "win32/accessible_annotations.h"
#include "win32/control_kind.h"
#include "win32/gdi_cache.h"
#include "win32/hand_pointer.h"
#include "win32/high_contrast.h"
#include "win32/menu_bar.h"

namespace quillbit {

// The controls of one window, made from its control list by kind as child windows of `form`,
// and kept in step with the list. Nothing here knows a particular window: a handler added to a
// model needs no view code.
//
// A change made by code reaches the windows through the list's property changes; what the
// windows report meanwhile is not a person's action and does not go back to the model.
class Win32FormView {
 public:
  Win32FormView(ControlSet& controls, HWND form, HINSTANCE instance);
  ~Win32FormView();
  Win32FormView(const Win32FormView&) = delete;
  Win32FormView& operator=(const Win32FormView&) = delete;

  // Places the controls and makes their fonts and images for `dpi`: at the start, and whenever
  // the window moves to a screen of another resolution.
  void Layout(int dpi);
  int Dpi() const { return dpi_; }
  // The form window is being destroyed, and its controls with it.
  void WindowGone();
  // The desktop's colours or its high contrast setting changed (WM_SYSCOLORCHANGE,
  // WM_SETTINGCHANGE): every control is drawn again in the colours that now stand for its own.
  void ColorsChanged(bool highContrast);

  // The form window's messages about its controls; each says whether it handled the message.
  bool OnCommand(WPARAM wParam, LPARAM lParam);
  // The colours of a control's text and background (WM_CTLCOLOR*); null for a window that is
  // none of this view's or that draws itself in the desktop's colours.
  HBRUSH OnControlColor(HDC dc, HWND control);
  bool OnSetCursor(HWND under, int hitTest);
  bool OnDrawItem(const DRAWITEMSTRUCT& item);
  // Files dropped on the window (WM_DROPFILES): to the model, with the control under the drop.
  void OnDropFiles(HDROP drop);
  // The button Enter presses (DM_GETDEFID): the focused push button, else the default one; 0
  // for none.
  int DefaultButtonId() const;
  // Gives the button Enter presses the default button's look, and only that one. Also after the
  // dialog keys: the system's dialog manager, moving the focus with Tab in a window that is not
  // a dialog box of its own, takes the look from every button.
  void UpdateDefaultLook();

  HWND HwndFor(std::string_view name) const;
  // The control a window shows, looking through a control's inner parts; null for none.
  Control* ControlFor(HWND window) const;
  // The shown control at a point of the screen, the innermost where frames hold others; null
  // for none.
  Control* ControlAt(POINT screenPoint) const;
  // The id a control's window or menu item carries in WM_COMMAND.
  int CommandIdFor(std::string_view name) const;
  std::optional<Win32MenuBar::Place> MenuItemFor(std::string_view name) const {
    return menus_.Find(name);
  }
  // The first control in tab order that can take the focus and is shown and enabled, or null.
  HWND FirstFocusable() const;
  // What every control with a window or menu item shows now, in the order of the list.
  std::vector<ShownControl> ShownControls() const;
  std::optional<ShownControl> Shown(std::string_view name) const;
  ControlSet& Controls() { return controls_; }
  // The names and descriptions given to screen readers beyond what the windows say themselves.
  const AccessibleAnnotations& Annotations() const { return annotations_; }

  // Shown and enabled, so that a person can reach it once the form is on screen (the form's own
  // visibility aside: the focus is chosen while the form is being shown).
  static bool Reachable(HWND window) {
    return window != nullptr && (::GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0 &&
           ::IsWindowEnabled(window);
  }

 private:
  void Build();
  void ShowToolTip(const Binding& b);
  std::string ShownToolTip(const Binding& b) const;
  TOOLINFOW ToolFor(const Binding& b) const;
  void OrderWindows();
  void Apply(Binding& b, Property property);
  void ApplyAll(Binding& b);
  void ApplyVisible(Binding& b);
  void ApplyEnabled(Binding& b);
  void ApplyFont(const Binding& b, bool redraw);
  void MoveFocusFrom(HWND window);
  void RefreshGroupTabStops();
  bool ShownByFrames(const Binding& b, bool enabledToo) const;
  void ShowDrawnColors(Binding& b);
  void ShowAccessibleName(const Binding& b);
  void ShowAccessibleDescription(const Binding& b);
  void RenameControlsNamedBy(const Binding& label);
  Binding* BindingFor(HWND window);
  const Binding* BindingFor(HWND window) const;
  const Binding* ButtonWhere(bool (*wanted)(const ControlDesign&)) const;
  const WinControlKind* KindOf(const Binding& b) const {
    return WinControlKindOf(b.control->Kind());
  }

  ControlSet& controls_;
  HWND form_;
  HINSTANCE instance_;
  int dpi_;
  // One per control, in the order of the list; a menu item's has no window.
  std::vector<Binding> bindings_;
  Win32MenuBar menus_;
  FontCache fonts_;
  BrushCache brushes_;
  std::unique_ptr<HandPointer> hand_;
  HWND toolTips_ = nullptr;
  AccessibleAnnotations annotations_;
  bool highContrast_ = HighContrastOn();
  // Above zero while the model's changes are being shown.
  int applying_ = 0;
  int subscription_ = 0;
};

}  // namespace quillbit
