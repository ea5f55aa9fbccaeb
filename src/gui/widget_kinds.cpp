// The units of the control kinds, one class each; see widget_kind.h.
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>

#include "gui/control_style.h"
#include "gui/line_widget.h"
#include "gui/list_accessible.h"
#include "gui/menu_kind.h"
#include "gui/twips.h"
#include "gui/widget_kind.h"

namespace quillbit {
namespace {

// A text box holds what a person pastes into it, not Qt's default 32767 characters, so that
// the model and the widget always hold the same text.
constexpr int kMaxTextLength = 1 << 24;

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

// Sets the colour roles a kind draws with, for the active and inactive window alike.
void SetColors(QWidget& w, std::initializer_list<std::pair<QPalette::ColorRole, Color>> roles) {
  const QPalette desktop = QApplication::palette();
  QPalette palette = w.palette();
  for (const auto& [role, color] : roles) {
    palette.setColor(QPalette::Active, role, ToQColor(color, desktop));
    palette.setColor(QPalette::Inactive, role, ToQColor(color, desktop));
  }
  w.setPalette(palette);
}

QColor RoleColor(const QWidget& w, QPalette::ColorRole role) {
  return w.palette().color(w.isEnabled() ? QPalette::Active : QPalette::Disabled, role);
}

class LabelKind : public WidgetKind {
 public:
  QWidget* Create(const ControlDesign& design, QWidget* parent, double /*dpi*/) const override {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(HorizontalAlign(design.align) | Qt::AlignTop);
    return label;
  }
  void Connect(const Binding& b) const override { PassClicks(*b.widget, *b.control); }

 protected:
  QString WidgetText(const QWidget& w) const override {
    return static_cast<const QLabel&>(w).text();
  }
  void SetWidgetText(QWidget& w, const QString& text) const override {
    static_cast<QLabel&>(w).setText(text);
  }
};

class PictureKind : public LabelKind {
 public:
  QWidget* Create(const ControlDesign& design, QWidget* parent, double /*dpi*/) const override {
    auto* picture = new QLabel(parent);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A picture box with a tab place takes the focus like a button does.
    if (design.tab >= 0) picture->setFocusPolicy(Qt::StrongFocus);
    return picture;
  }
};

class FrameKind : public WidgetKind {
 public:
  QWidget* Create(const ControlDesign& /*design*/, QWidget* parent, double /*dpi*/) const override {
    return new QGroupBox(parent);
  }
  void Connect(const Binding& b) const override { PassClicks(*b.widget, *b.control); }

 protected:
  QString WidgetText(const QWidget& w) const override {
    return static_cast<const QGroupBox&>(w).title();
  }
  void SetWidgetText(QWidget& w, const QString& text) const override {
    static_cast<QGroupBox&>(w).setTitle(text);
  }
};

class TextBoxKind : public WidgetKind {
 public:
  QWidget* Create(const ControlDesign& design, QWidget* parent, double /*dpi*/) const override {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(kMaxTextLength);
    edit->setReadOnly(design.readOnly);
    edit->setAlignment(HorizontalAlign(design.align) | Qt::AlignVCenter);
    return edit;
  }
  void ShowColors(const Binding& b) const override {
    SetColors(*b.widget,
              {{QPalette::Text, b.control->ForeColor()}, {QPalette::Base, b.control->BackColor()}});
  }
  void Connect(const Binding& b) const override {
    auto* edit = static_cast<QLineEdit*>(b.widget);
    Control* c = b.control;
    QObject::connect(edit, &QLineEdit::textEdited, edit,
                     [c](const QString& text) { c->SetText(text.toStdString()); });
  }

 protected:
  QString WidgetText(const QWidget& w) const override {
    return static_cast<const QLineEdit&>(w).text();
  }
  void SetWidgetText(QWidget& w, const QString& text) const override {
    static_cast<QLineEdit&>(w).setText(text);
  }
  QColor TextColor(const QWidget& w) const override { return RoleColor(w, QPalette::Text); }
  void ReadOwn(const QWidget& w, ShownControl& shown) const override {
    shown.readOnly = static_cast<const QLineEdit&>(w).isReadOnly();
  }
};

class ListKind : public WidgetKind {
 public:
  QWidget* Create(const ControlDesign& /*design*/, QWidget* parent, double /*dpi*/) const override {
    ListAccessible::Install();
    auto* combo = new QComboBox(parent);
    combo->setEditable(false);
    return combo;
  }
  // A list shows its selected item, which follows the list index.
  void ShowText(const Binding& /*b*/) const override {}
  void ShowColors(const Binding& b) const override {
    const Control& c = *b.control;
    SetColors(*b.widget, {{QPalette::Text, c.ForeColor()}, {QPalette::ButtonText, c.ForeColor()}});
    // A pick-only list is drawn as a button here; only an explicit colour overrides that.
    if (c.BackColor().system == SystemColor::None)
      SetColors(*b.widget, {{QPalette::Base, c.BackColor()}, {QPalette::Button, c.BackColor()}});
  }
  void ShowItems(const Binding& b) const override {
    auto& combo = static_cast<QComboBox&>(*b.widget);
    const std::vector<std::string>& items = b.control->Items();
    const QSignalBlocker blocker(&combo);
    int same = 0;
    while (same < combo.count() && same < static_cast<int>(items.size()) &&
           combo.itemText(same) == QString::fromStdString(items[static_cast<size_t>(same)])) {
      ++same;
    }
    // Items usually arrive one AddItem at a time: append when the start already matches.
    if (same < combo.count()) {
      combo.clear();
      same = 0;
    }
    for (size_t i = static_cast<size_t>(same); i < items.size(); ++i)
      combo.addItem(QString::fromStdString(items[i]));
    if (combo.currentIndex() != b.control->ListIndex())
      combo.setCurrentIndex(b.control->ListIndex());
  }
  void Connect(const Binding& b) const override {
    auto* combo = static_cast<QComboBox*>(b.widget);
    Control* c = b.control;
    QObject::connect(combo, &QComboBox::activated, combo,
                     [c](int index) { c->SetListIndex(index); });
  }

 protected:
  QString WidgetText(const QWidget& w) const override {
    return static_cast<const QComboBox&>(w).currentText();
  }
  QColor TextColor(const QWidget& w) const override { return RoleColor(w, QPalette::ButtonText); }
  void ReadOwn(const QWidget& w, ShownControl& shown) const override {
    const auto& combo = static_cast<const QComboBox&>(w);
    std::vector<std::string> items;
    for (int i = 0; i < combo.count(); ++i) items.push_back(combo.itemText(i).toStdString());
    shown.items = std::move(items);
  }
};

// Option buttons, check boxes and buttons show their caption the same way.
class ButtonLikeKind : public WidgetKind {
 protected:
  QString WidgetText(const QWidget& w) const override {
    return static_cast<const QAbstractButton&>(w).text();
  }
  void SetWidgetText(QWidget& w, const QString& text) const override {
    static_cast<QAbstractButton&>(w).setText(text);
  }
};

class OptionKind : public ButtonLikeKind {
 public:
  QWidget* Create(const ControlDesign& /*design*/, QWidget* parent, double /*dpi*/) const override {
    return new QRadioButton(parent);
  }
  void ShowValue(const Binding& b) const override {
    auto* radio = static_cast<QRadioButton*>(b.widget);
    const QSignalBlocker blocker(radio);
    const bool on = b.control->Value() != 0;
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
  }
  void Connect(const Binding& b) const override {
    Control* c = b.control;
    QObject::connect(static_cast<QRadioButton*>(b.widget), &QAbstractButton::clicked, b.widget,
                     [c](bool checked) {
                       if (checked) c->SetValue(1);
                     });
  }

 protected:
  void ReadOwn(const QWidget& w, ShownControl& shown) const override {
    shown.selected = static_cast<const QRadioButton&>(w).isChecked();
  }
};

class CheckBoxKind : public ButtonLikeKind {
 public:
  QWidget* Create(const ControlDesign& /*design*/, QWidget* parent, double /*dpi*/) const override {
    return new QCheckBox(parent);
  }
  void ShowValue(const Binding& b) const override {
    auto* check = static_cast<QCheckBox*>(b.widget);
    const QSignalBlocker blocker(check);
    const int value = b.control->Value();
    const Qt::CheckState state = value == 0   ? Qt::Unchecked
                                 : value == 1 ? Qt::Checked
                                              : Qt::PartiallyChecked;
    if (check->checkState() == state) return;
    if (state == Qt::PartiallyChecked) check->setTristate(true);
    check->setCheckState(state);
  }
  void Connect(const Binding& b) const override {
    auto* check = static_cast<QCheckBox*>(b.widget);
    Control* c = b.control;
    QObject::connect(check, &QAbstractButton::clicked, check,
                     [c, check] { c->SetValue(Value(*check)); });
  }

 protected:
  void ReadOwn(const QWidget& w, ShownControl& shown) const override {
    shown.value = Value(static_cast<const QCheckBox&>(w));
  }

 private:
  static int Value(const QCheckBox& check) {
    return check.checkState() == Qt::Checked ? 1 : check.checkState() == Qt::Unchecked ? 0 : 2;
  }
};

class ButtonKind : public ButtonLikeKind {
 public:
  QWidget* Create(const ControlDesign& design, QWidget* parent, double /*dpi*/) const override {
    auto* button = new QPushButton(parent);
    // Enter presses the default button unless another button has the focus (in a dialog).
    button->setDefault(design.defaultButton);
    return button;
  }
  void ShowColors(const Binding& b) const override {
    SetColors(*b.widget, {{QPalette::ButtonText, b.control->ForeColor()},
                          {QPalette::Button, b.control->BackColor()}});
  }
  void Connect(const Binding& b) const override {
    auto* button = static_cast<QPushButton*>(b.widget);
    Control* c = b.control;
    QObject::connect(button, &QAbstractButton::clicked, button, [c] { c->Click(); });
    // Esc anywhere in the window presses the cancel button, whichever control has the focus.
    if (c->Design().cancelButton) {
      auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), button);
      escape->setContext(Qt::WindowShortcut);
      QObject::connect(escape, &QShortcut::activated, button, [button] {
        if (button->isVisible() && button->isEnabled()) button->click();
      });
    }
  }

 protected:
  QColor TextColor(const QWidget& w) const override { return RoleColor(w, QPalette::ButtonText); }
};

class LineKind : public WidgetKind {
 public:
  QWidget* Create(const ControlDesign& design, QWidget* parent, double dpi) const override {
    const Twips& r = design.rect;
    const QLine line(TwipsToPixels(r.left, dpi), TwipsToPixels(r.top, dpi),
                     TwipsToPixels(r.width, dpi), TwipsToPixels(r.height, dpi));
    return new LineWidget(line, design.lineWidth, parent);
  }
  void ShowColors(const Binding& b) const override {
    static_cast<LineWidget*>(b.widget)->SetColor(
        ToQColor(b.control->ForeColor(), QApplication::palette()));
  }
  void Connect(const Binding& /*b*/) const override {}

 protected:
  QColor TextColor(const QWidget& w) const override {
    return static_cast<const LineWidget&>(w).Color();
  }
};

constexpr LabelKind kLabel;
constexpr TextBoxKind kTextBox;
constexpr ListKind kList;
constexpr OptionKind kOption;
constexpr CheckBoxKind kCheckBox;
constexpr FrameKind kFrame;
constexpr ButtonKind kButton;
constexpr PictureKind kPicture;
constexpr LineKind kLine;

}  // namespace

const WidgetKind& WidgetKindOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
      return kLabel;
    case ControlKind::TextBox:
      return kTextBox;
    case ControlKind::List:
      return kList;
    case ControlKind::Option:
      return kOption;
    case ControlKind::CheckBox:
      return kCheckBox;
    case ControlKind::Frame:
      return kFrame;
    case ControlKind::Button:
      return kButton;
    case ControlKind::Menu:
      return MenuWidgetKind();
    case ControlKind::Picture:
      return kPicture;
    case ControlKind::Line:
      break;
  }
  return kLine;
}

}  // namespace quillbit
