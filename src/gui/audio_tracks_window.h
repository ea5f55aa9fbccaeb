#pragma once

#include <QDialog>
#include <memory>

#include "gui/form_view.h"
#include "gui/form_window.h"
#include "gui/qt_host.h"
#include "main_window/frm_audio_tracks.h"

namespace quillbit {

// The Audio Tracks window on screen: the frmAudioTracks model in a fixed dialog frame, owned by
// the main window and modal over it without an event loop of its own. It deletes itself once
// closed, by whichever way (OK, Cancel, Esc, the close box).
class AudioTracksDialog : public QDialog, public AudioTracksWindowHost {
  Q_OBJECT

 public:
  AudioTracksDialog(NumberLocale locale, AudioTracksRequest request, QWidget& owner);
  ~AudioTracksDialog() override;

  // Loads the model and shows the window over its owner; a load that unloads the model leaves
  // it hidden (and deleted a moment later).
  void Show();
  void WindowUnloaded() override;

  frmAudioTracks& Model() { return form_; }
  FormView& View() { return *view_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Each time code shows the window, the focus starts in the first control of the tab order.
  void showEvent(QShowEvent* event) override;
  // Esc that reaches the dialog itself cancels like any other close.
  void reject() override;

 private:
  QSize ClientSizePixels() const;

  QtScreen screen_;
  frmAudioTracks form_;
  std::unique_ptr<FormView> view_;
  FormWindow frameLink_;
};

}  // namespace quillbit
