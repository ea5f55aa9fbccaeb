#include "gui/widget_kind.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPalette>
#include <QSignalBlocker>

#include "gui/control_style.h"

namespace quillbit {
namespace {

// A press and release of the left button on a label, picture or frame is its click.
class ClickFilter : public QObject {
 public:
  ClickFilter(QWidget& widget, Control& control) : QObject(&widget), control_(control) {
    widget.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::MouseButtonPress) {
      pressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    } else if (event->type() == QEvent::MouseButtonRelease && pressed_) {
      pressed_ = false;
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton &&
          widget->rect().contains(mouse->position().toPoint())) {
        control_.Click();
      }
    }
    return false;
  }

 private:
  Control& control_;
  bool pressed_ = false;
};

}  // namespace

void WidgetKind::PassClicks(QWidget& widget, Control& control) {
  new ClickFilter(widget, control);
}

void WidgetKind::ShowText(const Binding& b) const {
  const QString text = QString::fromStdString(b.control->Text());
  const QSignalBlocker blocker(b.widget);
  if (WidgetText(*b.widget) != text) SetWidgetText(*b.widget, text);
}

void WidgetKind::ShowVisible(const Binding& b) const {
  const bool visible = b.control->Visible();
  if (b.widget->isHidden() == visible) b.widget->setVisible(visible);
}

void WidgetKind::ShowEnabled(const Binding& b) const {
  const bool enabled = b.control->Enabled();
  if (b.widget->isEnabledTo(b.widget->parentWidget()) != enabled) b.widget->setEnabled(enabled);
}

void WidgetKind::ShowColors(const Binding& b) const {
  const Control& c = *b.control;
  const QPalette desktop = QApplication::palette();
  QPalette palette = b.widget->palette();
  // Disabled colours stay the desktop's, so that a disabled control still looks disabled.
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::WindowText, ToQColor(c.ForeColor(), desktop));
    palette.setColor(group, QPalette::Window, ToQColor(c.BackColor(), desktop));
  }
  // System backgrounds are the dialog background the window already paints.
  b.widget->setAutoFillBackground(c.BackColor().system == SystemColor::None);
  b.widget->setPalette(palette);
}

void WidgetKind::ShowBold(const Binding& b) const {
  const bool bold = b.control->Bold();
  QFont font = b.widget->font();
  if (font.bold() == bold) return;
  font.setBold(bold);
  b.widget->setFont(font);
}

QColor WidgetKind::TextColor(const QWidget& w) const {
  return w.palette().color(w.isEnabled() ? QPalette::Active : QPalette::Disabled,
                           QPalette::WindowText);
}

ShownControl WidgetKind::Read(const Binding& b) const {
  const QWidget& w = *b.widget;
  ShownControl shown{.name = b.control->Name()};
  shown.visible = w.isVisibleTo(w.window());
  shown.enabled = w.isEnabled();
  shown.color = TextColor(w).name(QColor::HexRgb).toStdString();
  shown.bold = w.font().bold();
  shown.toolTip = w.toolTip().toStdString();
  shown.text = WidgetText(w).toStdString();
  ReadOwn(w, shown);
  return shown;
}

}  // namespace quillbit
