#include "gui/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

#include "gui/twips.h"
#include "main_window/form1_layout.h"

// The icon lives in a static library; its resources must be registered by hand.
static void RegisterResources() {
  Q_INIT_RESOURCE(quillbit);
}

namespace quillbit {
namespace {

// The window manager's frame is unknown until the window is mapped; a thin border stands in.
constexpr int kFrameBorderPixels = 4;

}  // namespace

MainWindow::MainWindow(NumberLocale locale, AppInfo app, SettingsStore& settings,
                       AboutWindowSlot* about)
    : messages_(this),
      about_(about),
      form_(std::move(locale), std::move(app),
            Form1Ports{
                .messages = messages_, .screen = screen_, .settings = settings, .host = *this}),
      surface_(new QWidget(this)) {
  RegisterResources();
  setObjectName("Form1");
  setWindowIcon(QIcon(QStringLiteral(":/icons/quillbit.png")));
  surface_->setObjectName("Form1Client");
  setCentralWidget(surface_);
  view_ = std::make_unique<FormView>(form_.Controls(), *surface_, menuBar());
  keyPreview_ = std::make_unique<KeyPreview>(*this, *view_);
  setWindowTitle(QString::fromStdString(form_.Caption()));
  // Sizable; the controls keep their places, so shrinking hides some and growing shows space.
  const QSize client = ClientSizePixels();
  resize(client.width(), client.height() + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow() {
  // The widgets go before the model they show.
  keyPreview_.reset();
  view_.reset();
  delete takeCentralWidget();
  menuBar()->clear();
}

QSize MainWindow::ClientSizePixels() const {
  const double dpi = logicalDpiX();
  return {TwipsToPixels(kForm1ClientWidth, dpi), TwipsToPixels(kForm1ClientHeight, dpi)};
}

void MainWindow::ReportOuterSize() {
  const double dpi = logicalDpiX();
  const QSize client = ClientSizePixels();
  const int caption = style()->pixelMetric(QStyle::PM_TitleBarHeight);
  const int width = client.width() + 2 * kFrameBorderPixels;
  const int height =
      client.height() + menuBar()->sizeHint().height() + caption + 2 * kFrameBorderPixels;
  form_.SetOuterSize(static_cast<float>(PixelsToTwips(width, dpi)),
                     static_cast<float>(PixelsToTwips(height, dpi)));
}

void MainWindow::Start() {
  ReportOuterSize();
  form_.Form_Load();
  if (unloaded_) return;
  setWindowTitle(QString::fromStdString(form_.Caption()));
  const double dpi = logicalDpiX();
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QPoint origin = screen != nullptr ? screen->geometry().topLeft() : QPoint();
  move(origin + QPoint(TwipsToPixels(form_.Left(), dpi), TwipsToPixels(form_.Top(), dpi)));
  show();
  if (QWidget* first = view_->FirstFocusable()) first->setFocus(Qt::OtherFocusReason);
}

void MainWindow::ShowAboutWindow() {
  // A window of its own, without an owner: it stays open when this window closes.
  if (about_ != nullptr) about_->Show();
}

void MainWindow::WindowUnloaded() {
  unloaded_ = true;
  if (!closing_) close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Every close saves through the model and is never refused.
  if (!unloaded_ && !closing_) {
    closing_ = true;
    form_.Unload();
    closing_ = false;
    unloaded_ = true;
  }
  event->accept();
}

}  // namespace quillbit
