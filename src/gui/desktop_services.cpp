#include "gui/desktop_services.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace quillbit {
namespace {

QString ToQt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

bool DesktopOpener::Open(std::string_view target) {
  const QUrl url(ToQt(target), QUrl::TolerantMode);
  if (!url.isValid()) return false;
  return QDesktopServices::openUrl(url);
}

bool DesktopFiles::FileExists(std::string_view path) const {
  if (path.empty()) return false;
  return QFileInfo(ToQt(path)).isFile();
}

bool DesktopPrograms::Start(std::string_view path) {
  if (path.empty()) return false;
  return QProcess::startDetached(ToQt(path), {});
}

}  // namespace quillbit
