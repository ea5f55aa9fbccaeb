#include "gui/qt_host.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

#include "gui/twips.h"

namespace quillbit {
namespace {

QString ToQt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Without a screen (none attached yet) the window is centred on a 1024 x 768 one.
QSizeF ScreenTwips() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {PixelsToTwips(1024, 96), PixelsToTwips(768, 96)};
  const double dpi = screen->logicalDotsPerInch();
  return {PixelsToTwips(screen->geometry().width(), dpi),
          PixelsToTwips(screen->geometry().height(), dpi)};
}

}  // namespace

void QtMessageBox::ShowMessage(std::string_view caption, std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, ToQt(caption), ToQt(text), QMessageBox::Ok, parent_);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

float QtScreen::ScreenWidthTwips() const {
  return static_cast<float>(ScreenTwips().width());
}
float QtScreen::ScreenHeightTwips() const {
  return static_cast<float>(ScreenTwips().height());
}

std::vector<std::string> QtOpenFileDialog::ChooseFilesToOpen(std::string_view title,
                                                             std::string_view filterName,
                                                             std::string_view pattern) {
  const QString filters =
      QString::fromUtf8(filterName.data(), static_cast<qsizetype>(filterName.size())) +
      QStringLiteral(" (") +
      QString::fromUtf8(pattern.data(), static_cast<qsizetype>(pattern.size())) +
      QStringLiteral(");;All files (*)");
  const QStringList chosen = QFileDialog::getOpenFileNames(
      parent_, QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())), QString(),
      filters);
  std::vector<std::string> paths;
  for (const QString& path : chosen) paths.push_back(path.toStdString());
  return paths;
}

}  // namespace quillbit
