#include "gui/list_accessible.h"

#include <QAbstractItemView>

namespace quillbit {
namespace {

QAccessibleInterface* ListFactory(const QString& className, QObject* object) {
  if (className != QLatin1String("QComboBox") || !object->isWidgetType()) return nullptr;
  return new ListAccessible(static_cast<QComboBox*>(object));
}

}  // namespace

ListAccessible::ListAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {
  // A person's pick is told at once; a pick made by code, shown with the list's signals blocked,
  // when a screen reader next looks at the items.
  QObject::connect(list, &QComboBox::currentIndexChanged, list, [this] { SelectShownItem(); });
}

void ListAccessible::SelectShownItem() const {
  // The drop-down selects its current item itself each time it opens, so nothing shows this.
  QComboBox* list = List();
  const QModelIndex shown = list->model()->index(list->currentIndex(), list->modelColumn());
  if (list->view()->currentIndex() != shown) list->view()->setCurrentIndex(shown);
}

void ListAccessible::Install() {
  QAccessible::installFactory(ListFactory);
}

QComboBox* ListAccessible::List() const {
  return static_cast<QComboBox*>(widget());
}

QString ListAccessible::text(QAccessible::Text t) const {
  switch (t) {
    case QAccessible::Name: {
      const QString name = widget()->accessibleName();
      return name.isEmpty() ? List()->currentText() : name;
    }
    case QAccessible::Value:
      return List()->currentText();
    default:
      return QAccessibleWidget::text(t);
  }
}

QAccessible::State ListAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.expandable = true;
  state.expanded = List()->view()->isVisible();
  state.collapsed = !state.expanded;
  return state;
}

int ListAccessible::childCount() const {
  return 1;
}

QAccessibleInterface* ListAccessible::child(int index) const {
  if (index != 0) return nullptr;
  SelectShownItem();
  return QAccessible::queryAccessibleInterface(List()->view());
}

int ListAccessible::indexOfChild(const QAccessibleInterface* child) const {
  return child != nullptr && child->object() == List()->view() ? 0 : -1;
}

QStringList ListAccessible::actionNames() const {
  return QStringList{QAccessibleActionInterface::showMenuAction(),
                     QAccessibleActionInterface::pressAction()} +
         QAccessibleWidget::actionNames();
}

void ListAccessible::doAction(const QString& actionName) {
  if (actionName != QAccessibleActionInterface::showMenuAction() &&
      actionName != QAccessibleActionInterface::pressAction()) {
    QAccessibleWidget::doAction(actionName);
    return;
  }
  if (List()->view()->isVisible()) {
    List()->hidePopup();
  } else {
    List()->showPopup();
  }
}

}  // namespace quillbit
