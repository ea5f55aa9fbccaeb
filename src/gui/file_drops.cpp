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
  // Drags of files end here wherever they land; a text box still takes a drag of text.
  window.setAcceptDrops(true);
  window.installEventFilter(this);
  for (QWidget* child : window.findChildren<QWidget*>()) child->installEventFilter(this);
}

bool FileDrops::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  auto* drag = static_cast<QDropEvent*>(event);
  auto* widget = qobject_cast<QWidget*>(watched);
  const std::vector<std::string> paths = drag->mimeData() != nullptr
                                             ? DroppedFilePaths(*drag->mimeData())
                                             : std::vector<std::string>{};
  if (widget == nullptr || window_ == nullptr || paths.empty()) return false;
  drag->acceptProposedAction();
  if (type == QEvent::Drop) {
    const QPoint at = widget->mapTo(window_, drag->position().toPoint());
    const QWidget* target = window_->childAt(at);
    view_.Controls().FilesDropped(target != nullptr ? view_.ControlFor(target) : nullptr, paths);
  }
  return true;
}

}  // namespace quillbit
