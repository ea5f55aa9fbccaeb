#include "gui/line_widget.h"

#include <QPainter>
#include <algorithm>

namespace quillbit {

LineWidget::LineWidget(QLine line, int width, QWidget* parent)
    : QWidget(parent), width_(std::max(1, width)), color_(palette().color(QPalette::WindowText)) {
  const QRect box = QRect(line.p1(), line.p2()).normalized().adjusted(0, 0, width_, width_);
  setGeometry(box);
  line_ = line.translated(-box.topLeft());
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::SetColor(QColor color) {
  if (color_ == color) return;
  color_ = color;
  update();
}

void LineWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(color_, width_, Qt::SolidLine, Qt::SquareCap));
  painter.drawLine(line_);
}

}  // namespace quillbit
