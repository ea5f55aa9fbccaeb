#pragma once

#include <QMimeData>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <string>
#include <vector>

#include "gui/form_view.h"

namespace quillbit {

// The local files of a drag, as UTF-8 paths; none when it carries anything else.
std::vector<std::string> DroppedFilePaths(const QMimeData& data);

// Files dropped anywhere on `window` go to its model with the control they landed on, when the
// model takes dropped files; a text box would otherwise insert the files' addresses as text.
// Drags of anything else go on to the widgets as before.
class FileDrops : public QObject {
  Q_OBJECT

 public:
  FileDrops(QWidget& window, FormView& view);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> window_;
  FormView& view_;
};

}  // namespace quillbit
