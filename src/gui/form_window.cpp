#include "gui/form_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

#include "gui/twips.h"

namespace quillbit {
namespace {

// The window manager's frame is unknown until the window is mapped; a thin border stands in.
constexpr int kFrameBorderPixels = 4;

}  // namespace

QSize FormWindow::ClientPixels(float widthTwips, float heightTwips) const {
  const double dpi = window_.logicalDpiX();
  return {TwipsToPixels(widthTwips, dpi), TwipsToPixels(heightTwips, dpi)};
}

void FormWindow::ReportOuterSize(QSize client, int barsHeight) {
  const double dpi = window_.logicalDpiX();
  const int caption = window_.style()->pixelMetric(QStyle::PM_TitleBarHeight);
  const int width = client.width() + 2 * kFrameBorderPixels;
  const int height = client.height() + barsHeight + caption + 2 * kFrameBorderPixels;
  frame_.SetOuterSize(static_cast<float>(PixelsToTwips(width, dpi)),
                      static_cast<float>(PixelsToTwips(height, dpi)));
}

bool FormWindow::Load(const std::function<void()>& load) {
  load();
  if (unloaded_) return false;
  window_.setWindowTitle(QString::fromStdString(frame_.Caption()));
  const double dpi = window_.logicalDpiX();
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QPoint origin = screen != nullptr ? screen->geometry().topLeft() : QPoint();
  window_.move(origin +
               QPoint(TwipsToPixels(frame_.Left(), dpi), TwipsToPixels(frame_.Top(), dpi)));
  return true;
}

void FormWindow::ModelUnloaded() {
  unloaded_ = true;
  if (!closing_) window_.close();
}

void FormWindow::Closing() {
  if (unloaded_ || closing_) return;
  closing_ = true;
  unload_();
  closing_ = false;
  unloaded_ = true;
}

}  // namespace quillbit
