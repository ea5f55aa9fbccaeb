#pragma once

#include <windows.h>

#include <functional>

#include "main_window/frm_audio_tracks.h"
#include "win32/form_window.h"
#include "win32/win32_host.h"

namespace quillbit {

// The Audio Tracks window on screen: the frmAudioTracks model in a fixed dialog frame, modal to
// the main window (which is disabled while it is open) without a message loop of its own. Enter
// presses OK, Esc and the close box cancel.
class Win32AudioTracksWindow : public AudioTracksWindowHost {
 public:
  // `closed` is called once, when the window has been closed by any means; the call may come
  // from inside one of the model's handlers, so the window must outlive it.
  Win32AudioTracksWindow(HINSTANCE instance, OpenWindows& windows, HWND owner, NumberLocale locale,
                         AudioTracksRequest request, std::function<void()> closed);

  // Runs the model's load, then shows the window with the focus in the first track's format.
  void Show();
  void BringToFront() { window_.BringToFront(); }
  void WindowUnloaded() override;

  frmAudioTracks& Model() { return form_; }
  Win32FormView& View() { return window_.View(); }
  Win32FormWindow& Window() { return window_; }
  HWND Handle() const { return window_.Handle(); }

 private:
  Win32Screen screen_;
  frmAudioTracks form_;
  Win32FormWindow window_;
};

}  // namespace quillbit
