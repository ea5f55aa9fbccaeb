#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "about/about_window_slot.h"
#include "gui/audio_tracks_window.h"
#include "gui/file_drops.h"
#include "gui/form_view.h"
#include "gui/form_window.h"
#include "gui/key_preview.h"
#include "gui/qt_host.h"
#include "main_window/form1.h"

namespace quillbit {

// The main window on screen: the Form1 model, its widgets and the services it asks the host for.
class MainWindow : public QMainWindow, public MainWindowHost {
  Q_OBJECT

 public:
  // "Help" > "About" shows the run's About window through `about`; without one it does nothing.
  // `fileDialog` answers "Open Project..."; without one the desktop's file dialog does.
  MainWindow(NumberLocale locale, AppInfo app, SettingsStore& settings,
             AboutWindowSlot* about = nullptr, OpenFileDialogPort* fileDialog = nullptr);
  ~MainWindow() override;

  // Loads the model (start-up and restore), then shows the window.
  void Start();

  Form1& Model() { return form_; }
  FormView& View() { return *view_; }
  // The Audio Tracks window while it is open, else null.
  AudioTracksDialog* AudioTracks() const { return audioTracks_.data(); }

  void ShowAboutWindow() override;
  void ShowAudioTracksWindow(AudioTracksRequest request) override;
  void WindowUnloaded() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Each time code shows the window, the focus starts in the first control of the tab order.
  void showEvent(QShowEvent* event) override;

 private:
  QSize ClientSizePixels() const;

  QtMessageBox messages_;
  QtScreen screen_;
  QtOpenFileDialog ownFileDialog_;
  AboutWindowSlot* about_;
  Form1 form_;
  FormWindow frameLink_;
  QWidget* surface_;
  std::unique_ptr<FormView> view_;
  std::unique_ptr<KeyPreview> keyPreview_;
  std::unique_ptr<FileDrops> drops_;
  QPointer<AudioTracksDialog> audioTracks_;
};

}  // namespace quillbit
