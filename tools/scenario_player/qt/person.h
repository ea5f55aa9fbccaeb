#pragma once

#include <QAction>
#include <QComboBox>
#include <QMenuBar>
#include <QString>
#include <QWidget>
#include <optional>
#include <string_view>
#include <vector>

namespace quillbit::scenario {

// Qt's modifier flags for a mask of kShiftMask, kCtrlMask and kAltMask.
Qt::KeyboardModifiers QtModifiers(int mask);

// A Qt key by its name without "Key_" ("Left", "Return", "A", "F5"); none when Qt has no such key.
std::optional<Qt::Key> KeyByName(std::string_view name);

// A person at the keyboard and mouse. Keys go down and up one at a time, each as its own event,
// with the modifier keys held (a mask of kShiftMask, kCtrlMask, kAltMask, which the front end
// keeps); the mouse clicks with the left button.
class Person {
 public:
  // One key's press or release at `target`, with `held` down before it.
  void KeyEvent(QWidget& target, Qt::Key key, bool press, int held);
  // A key press and release per character; the keys go wherever the focus is by then.
  void Type(QWidget& target, const QString& text, int held);

  // A click of the left button at `at` in the widget, with the held modifiers.
  void Click(QWidget& widget, QPoint at, int held);
  // Opens the list with a click and clicks the item; false when the list did not close on it.
  bool Pick(QComboBox& list, int index, int held);
  // Opens the menus, from the one in the menu bar to the one that holds the item, and clicks the
  // item.
  bool ChooseMenuItem(QMenuBar& bar, const std::vector<QAction*>& menus, QAction& item, int held);

 private:
  void Key(QWidget& target, int key, const QString& text, bool press, Qt::KeyboardModifiers mods);
  void MoveMouse(QWidget& widget, QPoint at, int held);
};

}  // namespace quillbit::scenario
