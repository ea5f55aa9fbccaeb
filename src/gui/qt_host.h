#pragma once

#include <QPointer>
#include <QWidget>

#include "core/ports.h"

namespace quillbit {

// The modal message box: the text, an OK button only, no icon, the caption given.
class QtMessageBox : public MessageBoxPort {
 public:
  explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
  void ShowMessage(std::string_view caption, std::string_view text) override;

 private:
  QPointer<QWidget> parent_;
};

// The primary screen's size in twips at its logical dpi.
class QtScreen : public ScreenPort {
 public:
  float ScreenWidthTwips() const override;
  float ScreenHeightTwips() const override;
};

// The desktop's file dialog, modal to its window.
class QtOpenFileDialog : public OpenFileDialogPort {
 public:
  explicit QtOpenFileDialog(QWidget* parent = nullptr) : parent_(parent) {}
  std::vector<std::string> ChooseFilesToOpen(std::string_view title, std::string_view filterName,
                                             std::string_view pattern) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace quillbit
