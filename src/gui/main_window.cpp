#include "gui/main_window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QShowEvent>

#include "gui/design_picture.h"
#include "main_window/form1_layout.h"

namespace quillbit {

MainWindow::MainWindow(NumberLocale locale, AppInfo app, SettingsStore& settings,
                       AboutWindowSlot* about, OpenFileDialogPort* fileDialog)
    : messages_(this),
      ownFileDialog_(this),
      about_(about),
      form_(std::move(locale), std::move(app),
            Form1Ports{.messages = messages_,
                       .screen = screen_,
                       .settings = settings,
                       .host = *this,
                       .fileDialog = fileDialog != nullptr ? *fileDialog : ownFileDialog_}),
      frameLink_(*this, form_, [this] { form_.Unload(); }),
      surface_(new QWidget(this)) {
  setObjectName("Form1");
  setWindowIcon(ApplicationIcon());
  surface_->setObjectName("Form1Client");
  setCentralWidget(surface_);
  view_ = std::make_unique<FormView>(form_.Controls(), *surface_, menuBar());
  keyPreview_ = std::make_unique<KeyPreview>(*this, *view_);
  drops_ = std::make_unique<FileDrops>(*this, *view_);
  setWindowTitle(QString::fromStdString(form_.Caption()));
  // Sizable; the controls keep their places, so shrinking hides some and growing shows space.
  const QSize client = ClientSizePixels();
  resize(client.width(), client.height() + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow() {
  // The widgets go before the model they show, the Audio Tracks window (which hands its tracks
  // to the model) first.
  delete audioTracks_.data();
  drops_.reset();
  keyPreview_.reset();
  view_.reset();
  delete takeCentralWidget();
  menuBar()->clear();
}

QSize MainWindow::ClientSizePixels() const {
  return frameLink_.ClientPixels(kForm1ClientWidth, kForm1ClientHeight);
}

void MainWindow::Start() {
  frameLink_.ReportOuterSize(ClientSizePixels(), menuBar()->sizeHint().height());
  if (!frameLink_.Load([this] { form_.Form_Load(); })) return;
  show();
}

void MainWindow::ShowAudioTracksWindow(AudioTracksRequest request) {
  // Modal over this window, so a second request can only come from code: the open one stays.
  if (audioTracks_ != nullptr) {
    audioTracks_->raise();
    audioTracks_->activateWindow();
    return;
  }
  audioTracks_ = new AudioTracksDialog(form_.Locale(), std::move(request), *this);
  audioTracks_->Show();
}

void MainWindow::ShowAboutWindow() {
  // A window of its own, without an owner: it stays open when this window closes.
  if (about_ != nullptr) about_->Show();
}

void MainWindow::WindowUnloaded() {
  frameLink_.ModelUnloaded();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Restoring from the task bar is the desktop's show: the focus stays where it was.
  if (event->spontaneous()) return;
  if (QWidget* first = view_->FirstFocusable()) first->setFocus(Qt::OtherFocusReason);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The Audio Tracks window goes first, as cancelled; then every close saves through the model
  // and is never refused.
  if (audioTracks_ != nullptr) audioTracks_->close();
  frameLink_.Closing();
  event->accept();
}

}  // namespace quillbit
