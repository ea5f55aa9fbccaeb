#include "win32/main_window.h"

#include "main_window/form1_layout.h"

namespace quillbit {

Win32MainWindow::Win32MainWindow(HINSTANCE instance, OpenWindows& windows, NumberLocale locale,
                                 AppInfo app, SettingsStore& settings, AboutWindowSlot* about,
                                 OpenFileDialogPort* fileDialog)
    // Messages and the file dialog are modal to the window once it is on screen.
    : messages_([this] { return window_.Visible() ? window_.Handle() : nullptr; }),
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
              [this] { form_.Unload(); }) {}

void Win32MainWindow::Start(int showCommand) {
  window_.ReportOuterSize();
  if (!window_.Load([this] { form_.Form_Load(); })) return;
  window_.Show(showCommand);
}

void Win32MainWindow::ShowAudioTracksWindow(AudioTracksRequest /*request*/) {}

void Win32MainWindow::ShowAboutWindow() {
  // A window of its own, without an owner: it stays open when this window closes.
  if (about_ != nullptr) about_->Show();
}

void Win32MainWindow::WindowUnloaded() {
  window_.ModelUnloaded();
}

}  // namespace quillbit
