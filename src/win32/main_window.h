#pragma once

#include <windows.h>

#include <memory>

#include "about/about_window_slot.h"
#include "main_window/form1.h"
#include "win32/audio_tracks_window.h"
#include "win32/form_window.h"
#include "win32/win32_host.h"

namespace quillbit {

// The main window on screen: the Form1 model, its controls and menu bar, and the services it
// asks the host for. Sizable; the controls keep their places.
class Win32MainWindow : public MainWindowHost {
 public:
  // "Help" > "About" shows the run's About window through `about`; without one it does nothing.
  // `fileDialog` answers "Open Project..."; without one the desktop's file dialog does.
  Win32MainWindow(HINSTANCE instance, OpenWindows& windows, NumberLocale locale, AppInfo app,
                  SettingsStore& settings, AboutWindowSlot* about = nullptr,
                  OpenFileDialogPort* fileDialog = nullptr);
  ~Win32MainWindow() override;
  Win32MainWindow(const Win32MainWindow&) = delete;
  Win32MainWindow& operator=(const Win32MainWindow&) = delete;

  // Loads the model (start-up and restore), then shows the window with the focus in the first
  // control of the tab order.
  void Start(int showCommand = SW_SHOWNORMAL);

  Form1& Model() { return form_; }
  Win32FormView& View() { return window_.View(); }
  Win32FormWindow& Window() { return window_; }
  HWND Handle() const { return window_.Handle(); }

  // The Audio Tracks window while it is open; null otherwise.
  Win32AudioTracksWindow* AudioTracks() const { return audioTracks_.get(); }

  void ShowAboutWindow() override;
  void ShowAudioTracksWindow(AudioTracksRequest request) override;
  void WindowUnloaded() override;

 private:
  void AudioTracksClosed();
  void CloseAudioTracks();

  HINSTANCE instance_;
  OpenWindows& windows_;
  NumberLocale locale_;
  Win32MessageBox messages_;
  Win32Screen screen_;
  Win32OpenFileDialog ownFileDialog_;
  AboutWindowSlot* about_;
  Form1 form_;
  // After the model: its controls are made from the model's list, and go first.
  Win32FormWindow window_;
  std::unique_ptr<Win32AudioTracksWindow> audioTracks_;
  // A closed one is kept until the next opens or this window goes, since its close may still
  // be running.
  std::unique_ptr<Win32AudioTracksWindow> closedAudioTracks_;
};

}  // namespace quillbit
