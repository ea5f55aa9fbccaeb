#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>

namespace quillbit {

// A drawn line between two points of its parent; the widget covers just the line's box.
class LineWidget : public QWidget {
  Q_OBJECT

 public:
  LineWidget(QLine line, int width, QWidget* parent);
  void SetColor(QColor color);
  QColor Color() const { return color_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLine line_;  // in the widget's own coordinates
  int width_;
  QColor color_;
};

}  // namespace quillbit
