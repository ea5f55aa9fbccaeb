#include "gui/audio_tracks_window.h"

#include <QCloseEvent>
#include <QShowEvent>

#include "main_window/frm_audio_tracks_layout.h"

namespace quillbit {

AudioTracksDialog::AudioTracksDialog(NumberLocale locale, AudioTracksRequest request,
                                     QWidget& owner)
    : QDialog(&owner, kFixedDialogFrame),
      form_(std::move(locale), std::move(request),
            FrmAudioTracksPorts{.screen = screen_, .host = *this}),
      frameLink_(*this, form_, [this] { form_.Unload(); }) {
  setObjectName("frmAudioTracks");
  setWindowModality(Qt::WindowModal);
  setSizeGripEnabled(false);
  // Closing the dialog never ends the program; the main window does.
  setAttribute(Qt::WA_QuitOnClose, false);
  // Deleted later, never at once: the close may come from inside the model's own handler.
  setAttribute(Qt::WA_DeleteOnClose, true);
  setFixedSize(ClientSizePixels());
  view_ = std::make_unique<FormView>(form_.Controls(), *this, nullptr);
  setWindowTitle(QString::fromStdString(form_.Caption()));
}

AudioTracksDialog::~AudioTracksDialog() {
  // The widgets go before the model they show.
  view_.reset();
  qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

QSize AudioTracksDialog::ClientSizePixels() const {
  return frameLink_.ClientPixels(kFrmAudioTracksClientWidth, kFrmAudioTracksClientHeight);
}

void AudioTracksDialog::Show() {
  frameLink_.ReportOuterSize(ClientSizePixels(), 0);
  if (!frameLink_.Load([this] { form_.Form_Load(); })) return;
  // Window-modal: the main window takes no input meanwhile, and nothing waits for the answer.
  open();
  activateWindow();
}

void AudioTracksDialog::WindowUnloaded() {
  frameLink_.ModelUnloaded();
}

void AudioTracksDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  if (QWidget* first = view_->FirstFocusable()) first->setFocus(Qt::OtherFocusReason);
}

void AudioTracksDialog::closeEvent(QCloseEvent* event) {
  // The close box cancels as cmdCancel does; nothing refuses the close.
  frameLink_.Closing();
  event->accept();
  // The main window is active again, its focus where the person left it, whether or not the
  // desktop's window manager hands activation back to a dialog's owner.
  QWidget* owner = parentWidget();
  if (owner != nullptr && owner->isVisible()) owner->activateWindow();
}

void AudioTracksDialog::reject() {
  close();
}

}  // namespace quillbit
