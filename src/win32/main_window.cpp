#include "win32/main_window.h"

#include "main_window/form1_layout.h"

namespace quillbit {

Win32MainWindow::Win32MainWindow(HINSTANCE instance, OpenWindows& windows, NumberLocale locale,
                                 AppInfo app, SettingsStore& settings, AboutWindowSlot* about,
                                 OpenFileDialogPort* fileDialog)
    // Messages and the file dialog are modal to the window once it is on screen.
    : instance_(instance),
      windows_(windows),
      locale_(locale),
      messages_([this] { return window_.Visible() ? window_.Handle() : nullptr; }),
      ownFileDialog_([this] { return window_.Visible() ? window_.Handle() : nullptr; }),
      about_(about),
      form_(std::move(locale), std::move(app),
            Form1Ports{.messages = messages_,
                       .screen = screen_,
                       .settings = settings,
                       .host = *this,
                       .fileDialog = fileDialog != nullptr ? *fileDialog : ownFileDialog_}),
      window_(instance, windows, form_, form_.Controls(),
              FormStyle{.style = WS_OVERLAPPEDWINDOW,
                        .clientWidthTwips = kForm1ClientWidth,
                        .clientHeightTwips = kForm1ClientHeight},
              // The Audio Tracks window is cancelled before this one goes.
              [this] {
                CloseAudioTracks();
                form_.Unload();
              }) {}

// An Audio Tracks window still open is closed while this one exists: its close reaches back here.
Win32MainWindow::~Win32MainWindow() {
  CloseAudioTracks();
}

void Win32MainWindow::Start(int showCommand) {
  window_.ReportOuterSize();
  if (!window_.Load([this] { form_.Form_Load(); })) return;
  window_.Show(showCommand);
}

void Win32MainWindow::ShowAudioTracksWindow(AudioTracksRequest request) {
  if (audioTracks_ != nullptr) {
    audioTracks_->BringToFront();
    return;
  }
  closedAudioTracks_.reset();
  audioTracks_ =
      std::make_unique<Win32AudioTracksWindow>(instance_, windows_, window_.Handle(), locale_,
                                               std::move(request), [this] { AudioTracksClosed(); });
  audioTracks_->Show();
}

void Win32MainWindow::AudioTracksClosed() {
  closedAudioTracks_ = std::move(audioTracks_);
}

void Win32MainWindow::CloseAudioTracks() {
  if (audioTracks_ != nullptr) audioTracks_->Window().Close();
}

void Win32MainWindow::ShowAboutWindow() {
  // A window of its own, without an owner: it stays open when this window closes.
  if (about_ != nullptr) about_->Show();
}

void Win32MainWindow::WindowUnloaded() {
  window_.ModelUnloaded();
}

}  // namespace quillbit
