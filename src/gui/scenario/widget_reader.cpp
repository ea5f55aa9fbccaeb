#include "gui/scenario/widget_reader.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "gui/line_widget.h"

namespace quillbit::scenario {
namespace {

std::string ColorName(const QColor& color) {
  return color.name(QColor::HexRgb).toStdString();
}

// The colour a widget draws its text in, as it stands now (enabled or disabled).
QColor TextColor(const QWidget& w) {
  if (const auto* line = qobject_cast<const LineWidget*>(&w)) return line->Color();
  const QPalette::ColorGroup group = w.isEnabled() ? QPalette::Active : QPalette::Disabled;
  QPalette::ColorRole role = QPalette::WindowText;
  if (qobject_cast<const QLineEdit*>(&w) != nullptr) {
    role = QPalette::Text;
  } else if (qobject_cast<const QComboBox*>(&w) != nullptr ||
             qobject_cast<const QPushButton*>(&w) != nullptr) {
    role = QPalette::ButtonText;
  }
  return w.palette().color(group, role);
}

}  // namespace

ControlView ReadWidget(std::string name, const QWidget& w) {
  ControlView view{.name = std::move(name)};
  view.visible = w.isVisibleTo(w.window());
  view.enabled = w.isEnabled();
  view.color = ColorName(TextColor(w));
  view.bold = w.font().bold();
  if (const auto* edit = qobject_cast<const QLineEdit*>(&w)) {
    view.text = edit->text().toStdString();
    view.readOnly = edit->isReadOnly();
  } else if (const auto* label = qobject_cast<const QLabel*>(&w)) {
    view.text = label->text().toStdString();
  } else if (const auto* combo = qobject_cast<const QComboBox*>(&w)) {
    view.text = combo->currentText().toStdString();
    std::vector<std::string> items;
    for (int i = 0; i < combo->count(); ++i) items.push_back(combo->itemText(i).toStdString());
    view.items = std::move(items);
  } else if (const auto* check = qobject_cast<const QCheckBox*>(&w)) {
    view.text = check->text().toStdString();
    view.value = check->checkState() == Qt::Checked     ? 1
                 : check->checkState() == Qt::Unchecked ? 0
                                                        : 2;
  } else if (const auto* radio = qobject_cast<const QRadioButton*>(&w)) {
    view.text = radio->text().toStdString();
    view.selected = radio->isChecked();
  } else if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) {
    view.text = button->text().toStdString();
  } else if (const auto* frame = qobject_cast<const QGroupBox*>(&w)) {
    view.text = frame->title().toStdString();
  }
  return view;
}

ControlView ReadAction(std::string name, const QAction& action) {
  ControlView view{.name = std::move(name)};
  view.text = action.text().toStdString();
  view.visible = action.isVisible();
  view.enabled = action.isEnabled();
  view.bold = action.font().bold();
  // A menu item is drawn by the menu or menu bar that holds it.
  const auto* holder = qobject_cast<const QWidget*>(action.parent());
  const QPalette palette = holder != nullptr ? holder->palette() : QPalette();
  view.color = ColorName(palette.color(action.isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::WindowText));
  return view;
}

WindowView ReadWindow(const QWidget& window, FormView& view) {
  WindowView shown{.title = window.windowTitle().toStdString()};
  for (const Control& control : view.Controls().All()) {
    if (const QWidget* widget = view.WidgetFor(control.Name())) {
      shown.controls.push_back(ReadWidget(control.Name(), *widget));
    } else if (const QAction* action = view.ActionFor(control.Name())) {
      shown.controls.push_back(ReadAction(control.Name(), *action));
    }
  }
  return shown;
}

}  // namespace quillbit::scenario
