// The menu bar's menus and their items, check marks included.
#include "gui/menu_kind.h"

#include <QMenu>
#include <QPointer>
#include <QSignalBlocker>

namespace quillbit {
namespace {

// A menu or menu item: an action of the menu bar or of its menu, not a widget.
class MenuKind : public WidgetKind {
 public:
  QWidget* Create(const ControlDesign& /*design*/, QWidget* /*parent*/,
                  double /*dpi*/) const override {
    return nullptr;
  }
  void ShowText(const Binding& b) const override {
    const QString text = QString::fromStdString(b.control->Text());
    if (b.action->text() != text) b.action->setText(text);
  }
  void ShowVisible(const Binding& b) const override { b.action->setVisible(b.control->Visible()); }
  void ShowEnabled(const Binding& b) const override { b.action->setEnabled(b.control->Enabled()); }
  void ShowColors(const Binding& /*b*/) const override {}
  void ShowBold(const Binding& b) const override {
    QFont font = b.action->font();
    if (font.bold() == b.control->Bold()) return;
    font.setBold(b.control->Bold());
    b.action->setFont(font);
  }
  // A checkable item shows its value as the check mark.
  void ShowValue(const Binding& b) const override {
    if (!b.control->Design().checkable) return;
    const QSignalBlocker blocker(b.action);
    b.action->setCheckable(true);
    const bool on = b.control->Value() == 1;
    if (b.action->isChecked() != on) b.action->setChecked(on);
  }
  void Connect(const Binding& b) const override {
    Control* c = b.control;
    const QPointer<QAction> action = b.action;
    QObject::connect(b.action, &QAction::triggered, b.action, [this, c, action] {
      c->Click();
      // Qt has already toggled the mark; the mark is the model's, whatever its handler did with
      // it (set another item's, or left this one as it was). The handler may have closed the
      // window and taken the menu with it.
      if (action != nullptr) ShowValue(Binding{.control = c, .action = action});
    });
  }
  ShownControl Read(const Binding& b) const override {
    const QAction& action = *b.action;
    ShownControl shown{.name = b.control->Name()};
    shown.text = action.text().toStdString();
    shown.visible = action.isVisible();
    shown.enabled = action.isEnabled();
    shown.bold = action.font().bold();
    if (action.isCheckable()) shown.value = action.isChecked() ? 1 : 0;
    // A menu item is drawn by the menu or menu bar that holds it.
    const auto* holder = qobject_cast<const QWidget*>(action.parent());
    const QPalette palette = holder != nullptr ? holder->palette() : QPalette();
    shown.color =
        palette
            .color(action.isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText)
            .name(QColor::HexRgb)
            .toStdString();
    return shown;
  }
};

constexpr MenuKind kMenu;

}  // namespace

const WidgetKind& MenuWidgetKind() {
  return kMenu;
}

}  // namespace quillbit
