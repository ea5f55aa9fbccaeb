#include "gui/file_drops.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace quillbit {

std::vector<std::string> DroppedFilePaths(const QMimeData& data) {
  std::vector<std::string> paths;
  if (!data.hasUrls()) return paths;
  for (const QUrl& url : data.urls()) {
    if (!url.isLocalFile()) return {};
    paths.push_back(url.toLocalFile().toStdString());
  }
  return paths;
}

FileDrops::FileDrops(QWidget& window, FormView& view) : window_(&window), view_(view) {
  if (!view_.Controls().TakesDroppedFiles()) return;
  window.setAcceptDrops(true);
  for (QWidget* child : window.findChildren<QWidget*>()) child->setAcceptDrops(false);
  window.installEventFilter(this);
}

bool FileDrops::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_) return false;
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDropEvent*>(event);
      if (drag->mimeData() == nullptr || DroppedFilePaths(*drag->mimeData()).empty()) return false;
      drag->acceptProposedAction();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const std::vector<std::string> paths = drop->mimeData() != nullptr
                                                 ? DroppedFilePaths(*drop->mimeData())
                                                 : std::vector<std::string>{};
      if (paths.empty()) return false;
      drop->acceptProposedAction();
      const QWidget* target = window_->childAt(drop->position().toPoint());
      view_.Controls().FilesDropped(target != nullptr ? view_.ControlFor(target) : nullptr, paths);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace quillbit
