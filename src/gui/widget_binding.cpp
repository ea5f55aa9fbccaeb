#include "gui/widget_binding.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>

#include "gui/control_style.h"
#include "gui/hand_cursor.h"
#include "gui/line_widget.h"
#include "gui/twips.h"

namespace quillbit {
namespace {

// A text box holds what a person pastes into it, not Qt's default 32767 characters, so that
// the model and the widget always hold the same text.
constexpr int kMaxTextLength = 1 << 24;

QString ToQt(const std::string& text) {
  return QString::fromStdString(text);
}

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

Qt::Alignment HorizontalAlign(Align align) {
  switch (align) {
    case Align::Right:
      return Qt::AlignRight;
    case Align::Center:
      return Qt::AlignHCenter;
    case Align::Left:
      break;
  }
  return Qt::AlignLeft;
}

QWidget* NewWidget(const ControlDesign& design, QWidget* parent, double dpi) {
  switch (design.kind) {
    case ControlKind::Label: {
      auto* label = new QLabel(parent);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(HorizontalAlign(design.align) | Qt::AlignTop);
      return label;
    }
    case ControlKind::TextBox: {
      auto* edit = new QLineEdit(parent);
      edit->setMaxLength(kMaxTextLength);
      edit->setReadOnly(design.readOnly);
      edit->setAlignment(HorizontalAlign(design.align) | Qt::AlignVCenter);
      return edit;
    }
    case ControlKind::List: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(false);
      return combo;
    }
    case ControlKind::Option:
      return new QRadioButton(parent);
    case ControlKind::CheckBox:
      return new QCheckBox(parent);
    case ControlKind::Frame:
      return new QGroupBox(parent);
    case ControlKind::Button: {
      auto* button = new QPushButton(parent);
      // Enter presses the default button unless another button has the focus (in a dialog).
      button->setDefault(design.defaultButton);
      return button;
    }
    case ControlKind::Picture: {
      auto* picture = new QLabel(parent);
      picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      // A picture box with a tab place takes the focus like a button does.
      if (design.tab >= 0) picture->setFocusPolicy(Qt::StrongFocus);
      return picture;
    }
    case ControlKind::Line: {
      const Twips& r = design.rect;
      const QLine line(TwipsToPixels(r.left, dpi), TwipsToPixels(r.top, dpi),
                       TwipsToPixels(r.width, dpi), TwipsToPixels(r.height, dpi));
      return new LineWidget(line, design.lineWidth, parent);
    }
    case ControlKind::Menu:
      break;
  }
  return nullptr;
}

void ApplyText(const Binding& b) {
  const QString text = ToQt(b.control->Text());
  if (b.action != nullptr) {
    if (b.action->text() != text) b.action->setText(text);
    return;
  }
  QWidget* w = b.widget;
  const QSignalBlocker blocker(w);
  if (auto* label = qobject_cast<QLabel*>(w)) {
    if (label->text() != text) label->setText(text);
  } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    if (edit->text() != text) edit->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    if (button->text() != text) button->setText(text);
  } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
    if (frame->title() != text) frame->setTitle(text);
  }
}

void ApplyColors(const Binding& b) {
  QWidget* w = b.widget;
  if (w == nullptr) return;
  const Control& c = *b.control;
  const QPalette desktop = QApplication::palette();
  const QColor fore = ToQColor(c.ForeColor(), desktop);
  const QColor back = ToQColor(c.BackColor(), desktop);
  if (auto* line = qobject_cast<LineWidget*>(w)) {
    line->SetColor(fore);
    return;
  }
  QPalette palette = w->palette();
  // Disabled colours stay the desktop's, so that a disabled control still looks disabled.
  const auto set = [&palette](QPalette::ColorRole role, const QColor& color) {
    palette.setColor(QPalette::Active, role, color);
    palette.setColor(QPalette::Inactive, role, color);
  };
  switch (c.Kind()) {
    case ControlKind::TextBox:
      set(QPalette::Text, fore);
      set(QPalette::Base, back);
      break;
    case ControlKind::List:
      set(QPalette::Text, fore);
      set(QPalette::ButtonText, fore);
      // A pick-only list is drawn as a button here; only an explicit colour overrides that.
      if (c.BackColor().system == SystemColor::None) {
        set(QPalette::Base, back);
        set(QPalette::Button, back);
      }
      break;
    case ControlKind::Button:
      set(QPalette::ButtonText, fore);
      set(QPalette::Button, back);
      break;
    default:
      set(QPalette::WindowText, fore);
      set(QPalette::Window, back);
      // System backgrounds are the dialog background the window already paints.
      w->setAutoFillBackground(c.BackColor().system == SystemColor::None);
      break;
  }
  w->setPalette(palette);
}

void ApplyBold(const Binding& b) {
  const bool bold = b.control->Bold();
  if (b.action != nullptr) {
    QFont font = b.action->font();
    if (font.bold() != bold) {
      font.setBold(bold);
      b.action->setFont(font);
    }
    return;
  }
  QFont font = b.widget->font();
  if (font.bold() == bold) return;
  font.setBold(bold);
  b.widget->setFont(font);
}

void ApplyItems(QComboBox& combo, const Control& c) {
  const std::vector<std::string>& items = c.Items();
  const QSignalBlocker blocker(&combo);
  int same = 0;
  while (same < combo.count() && same < static_cast<int>(items.size()) &&
         combo.itemText(same) == ToQt(items[static_cast<size_t>(same)])) {
    ++same;
  }
  // Items usually arrive one AddItem at a time: append when the start already matches.
  if (same < combo.count()) {
    combo.clear();
    same = 0;
  }
  for (size_t i = static_cast<size_t>(same); i < items.size(); ++i) combo.addItem(ToQt(items[i]));
  if (combo.currentIndex() != c.ListIndex()) combo.setCurrentIndex(c.ListIndex());
}

void ApplyValue(QWidget* w, int value) {
  const QSignalBlocker blocker(w);
  if (auto* radio = qobject_cast<QRadioButton*>(w)) {
    const bool on = value != 0;
    if (radio->isChecked() == on) return;
    QButtonGroup* group = radio->group();
    // An exclusive group refuses to clear its checked button; the model may leave none selected.
    if (!on && group != nullptr && group->exclusive()) {
      group->setExclusive(false);
      radio->setChecked(false);
      group->setExclusive(true);
    } else {
      radio->setChecked(on);
    }
  } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
    const Qt::CheckState state = value == 0   ? Qt::Unchecked
                                 : value == 1 ? Qt::Checked
                                              : Qt::PartiallyChecked;
    if (check->checkState() == state) return;
    if (state == Qt::PartiallyChecked) check->setTristate(true);
    check->setCheckState(state);
  }
}

void ApplyVisible(const Binding& b) {
  const bool visible = b.control->Visible();
  if (b.action != nullptr) {
    b.action->setVisible(visible);
    return;
  }
  QWidget* w = b.widget;
  if (w->isHidden() == visible) w->setVisible(visible);
}

void ApplyEnabled(const Binding& b) {
  const bool enabled = b.control->Enabled();
  if (b.action != nullptr) {
    b.action->setEnabled(enabled);
  } else if (b.widget->isEnabledTo(b.widget->parentWidget()) != enabled) {
    b.widget->setEnabled(enabled);
  }
}

}  // namespace

QWidget* CreateControlWidget(const Control& control, QWidget* parent, double logicalDpi,
                             FontFamilies& families) {
  const ControlDesign& design = control.Design();
  QWidget* w = NewWidget(design, parent, logicalDpi);
  if (w == nullptr) return nullptr;
  if (design.kind != ControlKind::Line) w->setGeometry(TwipsToRect(design.rect, logicalDpi));
  w->setObjectName(ToQt(design.name));
  w->setFont(ControlFont(design.font, control.Bold(), families));
  if (!design.toolTip.empty()) w->setToolTip(ToQt(design.toolTip));
  if (design.pointer == MousePointer::PointingHand) w->setCursor(HandCursor());
  return w;
}

void ApplyProperty(const Binding& b, Property property) {
  if (b.widget == nullptr && b.action == nullptr) return;
  switch (property) {
    case Property::Text:
      ApplyText(b);
      if (b.widget != nullptr) FitCaption(*b.widget);
      break;
    case Property::Visible:
      ApplyVisible(b);
      break;
    case Property::Enabled:
      ApplyEnabled(b);
      break;
    case Property::ForeColor:
    case Property::BackColor:
      ApplyColors(b);
      break;
    case Property::Bold:
      ApplyBold(b);
      if (b.widget != nullptr) FitCaption(*b.widget);
      break;
    case Property::Items:
    case Property::ListIndex:
      if (auto* combo = qobject_cast<QComboBox*>(b.widget)) ApplyItems(*combo, *b.control);
      break;
    case Property::Value:
      if (b.widget != nullptr) ApplyValue(b.widget, b.control->Value());
      break;
  }
}

void ApplyAll(const Binding& b) {
  for (Property p : {Property::Text, Property::ForeColor, Property::Bold, Property::Items,
                     Property::Value, Property::Enabled, Property::Visible}) {
    ApplyProperty(b, p);
  }
}

void ConnectPersonActions(const Binding& b) {
  Control* c = b.control;
  if (b.action != nullptr) {
    QObject::connect(b.action, &QAction::triggered, b.action, [c] { c->Click(); });
    return;
  }
  QWidget* w = b.widget;
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    QObject::connect(edit, &QLineEdit::textEdited, edit,
                     [c](const QString& text) { c->SetText(text.toStdString()); });
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    QObject::connect(combo, &QComboBox::activated, combo,
                     [c](int index) { c->SetListIndex(index); });
  } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
    QObject::connect(radio, &QAbstractButton::clicked, radio, [c](bool checked) {
      if (checked) c->SetValue(1);
    });
  } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
    QObject::connect(check, &QAbstractButton::clicked, check, [c, check] {
      c->SetValue(check->checkState() == Qt::Checked     ? 1
                  : check->checkState() == Qt::Unchecked ? 0
                                                         : 2);
    });
  } else if (auto* button = qobject_cast<QPushButton*>(w)) {
    QObject::connect(button, &QAbstractButton::clicked, button, [c] { c->Click(); });
    // Esc anywhere in the window presses the cancel button, whichever control has the focus.
    if (c->Design().cancelButton) {
      auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), button);
      escape->setContext(Qt::WindowShortcut);
      QObject::connect(escape, &QShortcut::activated, button, [button] {
        if (button->isVisible() && button->isEnabled()) button->click();
      });
    }
  } else if (qobject_cast<QLabel*>(w) != nullptr || qobject_cast<QGroupBox*>(w) != nullptr) {
    new ClickFilter(*w, *c);
  }
}

}  // namespace quillbit
