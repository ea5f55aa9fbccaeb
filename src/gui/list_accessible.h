#pragma once

#include <QAccessibleWidget>
#include <QComboBox>

namespace quillbit {

// A pick-only list as a screen reader sees it. Qt names a list on Linux after the item it
// shows, so that five unit lists would all be "MB"; this one is named by its accessible name,
// set from its caption, and tells the item it shows as its value.
class ListAccessible : public QAccessibleWidget {
 public:
  explicit ListAccessible(QComboBox* list);

  // Makes every QComboBox of the program answer with this interface; calling again is harmless.
  static void Install();

  QString text(QAccessible::Text t) const override;
  QAccessible::State state() const override;
  // The one child is the list of items that drops down, the item shown selected.
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;

  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;

 private:
  QComboBox* List() const;
  // Among the items that drop down, the one the list shows is the selected one.
  void SelectShownItem() const;
};

}  // namespace quillbit
