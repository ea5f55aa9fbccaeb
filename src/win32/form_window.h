#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "core/control_set.h"
#include "core/form_frame.h"
#include "win32/form_view.h"
#include "win32/menu_keys.h"

namespace quillbit {

// The program's windows that are open: the message loop ends once the last one has gone.
class OpenWindows {
 public:
  void Opened() { ++count_; }
  void Closed() {
    if (--count_ == 0) ::PostQuitMessage(0);
  }
  int Count() const { return count_; }

 private:
  int count_ = 0;
};

// A fixed dialog frame: caption and close box, no minimize or maximize box, no resizing.
inline constexpr DWORD kDialogFrame = WS_POPUP | WS_CAPTION | WS_SYSMENU;
inline constexpr DWORD kDialogFrameEx = WS_EX_DLGMODALFRAME;

// A window's frame: its styles, its client area in twips, and the window it is modal to, if any.
// A modal window is owned by that window, which is disabled while it is on screen; it is
// enabled and active again before the modal window goes, as with a dialog box, without a
// message loop of the modal window's own.
struct FormStyle {
  DWORD style = WS_OVERLAPPEDWINDOW;
  DWORD exStyle = 0;
  float clientWidthTwips = 0;
  float clientHeightTwips = 0;
  HWND modalTo = nullptr;
};

// What every window does for its model, whichever window it is: its controls, its outer size
// reported before the load, the caption and the place taken from the load, its close tied to
// the model's unload both ways (any close, the end of the session included, unloads the model
// once and is never refused; a model that unloads itself closes the window), the keys previewed
// by the model and the dialog keys.
class Win32FormWindow {
 public:
  // Made hidden, with its controls and menu bar, at the size of its client area.
  Win32FormWindow(HINSTANCE instance, OpenWindows& windows, FormFrame& frame, ControlSet& controls,
                  FormStyle style, std::function<void()> unload);
  ~Win32FormWindow();
  Win32FormWindow(const Win32FormWindow&) = delete;
  Win32FormWindow& operator=(const Win32FormWindow&) = delete;

  // Null once the window has been destroyed.
  HWND Handle() const { return hwnd_; }
  Win32FormView& View() { return *view_; }
  bool Visible() const { return hwnd_ != nullptr && ::IsWindowVisible(hwnd_); }

  // The real outer size, frame and menu bar included, goes to the model.
  void ReportOuterSize();
  // Runs the load, then titles and places the window; false when the load unloaded the model,
  // and then the window stays hidden.
  bool Load(const std::function<void()>& load);
  // Shows it with the focus in the first control of the tab order.
  void Show(int showCommand);
  void BringToFront();

  // The model's host: the model unloaded itself, so the window closes unless it is closing.
  void ModelUnloaded();
  // Closes it as its close box does.
  void Close();

  // Called once the window has been destroyed, by whatever means.
  std::function<void()> onDestroyed;

  // The message loop's look at a message before it is translated: the model previews every key
  // press and release in the window, then the dialog keys (Tab, arrows, Enter, Esc, access
  // keys) are handled. True when the message has been dealt with.
  bool PreTranslate(MSG& msg);
  // The window a message is for, when it is one of these; null otherwise.
  static Win32FormWindow* ForMessage(const MSG& msg);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void SizeClientArea(int dpi);
  void PreviewKey(const MSG& msg, bool press);
  void NextControl(WPARAM wParam, LPARAM lParam);
  bool RestoreFocus();
  void Closing();
  void Destroy();
  void ReleaseOwner();
  void Destroyed();

  HINSTANCE instance_;
  OpenWindows& windows_;
  FormFrame& frame_;
  FormStyle style_;
  std::function<void()> unload_;
  HWND hwnd_ = nullptr;
  std::unique_ptr<Win32FormView> view_;
  // The control that had the focus when the window was last active.
  HWND lastFocus_ = nullptr;
  MenuKeys menuKeys_;
  bool unloaded_ = false;
  bool closing_ = false;
  // While a modal window is on screen: its owner has been disabled.
  bool ownerDisabled_ = false;
};

}  // namespace quillbit
