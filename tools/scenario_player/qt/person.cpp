#include "scenario_player/qt/person.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QMenu>
#include <QMetaEnum>
#include <QMouseEvent>
#include <QPointer>
#include <QStyle>
#include <QTest>
#include <algorithm>
#include <string>

#include "core/control_set.h"

namespace quillbit::scenario {
namespace {

struct ModifierKeyEntry {
  int bit;
  Qt::Key key;
  Qt::KeyboardModifier flag;
};

// In the order a person presses them; released the other way round.
constexpr ModifierKeyEntry kModifierKeys[] = {
    {kShiftMask, Qt::Key_Shift, Qt::ShiftModifier},
    {kCtrlMask, Qt::Key_Control, Qt::ControlModifier},
    {kAltMask, Qt::Key_Alt, Qt::AltModifier},
};

// The key a character is typed with, and the text its press carries.
std::pair<int, QString> KeyForCharacter(QChar c) {
  if (c == '\n') return {Qt::Key_Return, QStringLiteral("\r")};
  if (c == '\t') return {Qt::Key_Tab, QStringLiteral("\t")};
  if (c.unicode() < 0x80 && c.isPrint()) return {QTest::asciiToKey(c.toLatin1()), QString(c)};
  // Qt names a letter key by its capital.
  return {static_cast<int>(c.toUpper().unicode()), QString(c)};
}

QString TextOfKey(Qt::Key key, int held) {
  const char ascii = QTest::keyToAscii(key);
  if (ascii == 0) return {};
  const QChar c = QChar::fromLatin1(ascii);
  return (held & kShiftMask) != 0 ? QString(c.toUpper()) : QString(c);
}

// A button pressed by its access key shows itself pushed in for a moment and only then clicks.
void AwaitAnimatedClicks() {
  const auto anyDown = [] {
    const QWidgetList widgets = QApplication::allWidgets();
    return std::any_of(widgets.begin(), widgets.end(), [](QWidget* w) {
      const auto* button = qobject_cast<QAbstractButton*>(w);
      return button != nullptr && button->isDown();
    });
  };
  if (anyDown()) (void)QTest::qWaitFor([&] { return !anyDown(); }, 2000);
}

}  // namespace

Qt::KeyboardModifiers QtModifiers(int mask) {
  Qt::KeyboardModifiers mods;
  for (const ModifierKeyEntry& entry : kModifierKeys) {
    if ((mask & entry.bit) != 0) mods |= entry.flag;
  }
  return mods;
}

std::optional<Qt::Key> KeyByName(std::string_view name) {
  if (name.empty()) return std::nullopt;
  const std::string qtName = "Key_" + std::string(name);
  bool ok = false;
  const int value = QMetaEnum::fromType<Qt::Key>().keyToValue(qtName.c_str(), &ok);
  if (!ok) return std::nullopt;
  return static_cast<Qt::Key>(value);
}

void Person::Key(QWidget& target, int key, const QString& text, bool press,
                 Qt::KeyboardModifiers mods) {
  QTest::simulateEvent(&target, press, key, mods, text, false);
}

void Person::KeyEvent(QWidget& target, Qt::Key key, bool press, int held) {
  Key(target, key, TextOfKey(key, held), press, QtModifiers(held));
  if (!press) AwaitAnimatedClicks();
}

void Person::Type(QWidget& target, const QString& text, int held) {
  QPointer<QWidget> to(&target);
  for (const QChar c : text) {
    if (QWidget* focus = QApplication::focusWidget()) to = focus;
    if (to == nullptr) return;
    const auto [key, keyText] = KeyForCharacter(c);
    Key(*to, key, keyText, true, QtModifiers(held));
    if (QWidget* focus = QApplication::focusWidget()) to = focus;
    if (to == nullptr) return;
    Key(*to, key, keyText, false, QtModifiers(held));
    AwaitAnimatedClicks();
  }
}

void Person::Click(QWidget& widget, QPoint at, int held) {
  QTest::mouseClick(&widget, Qt::LeftButton, QtModifiers(held), at);
}

void Person::MoveMouse(QWidget& widget, QPoint at, int held) {
  QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   QtModifiers(held));
  QApplication::sendEvent(&widget, &move);
}

bool Person::Pick(QComboBox& list, int index, int held) {
  const QPointer<QComboBox> alive(&list);
  const QPoint pressed = list.rect().center();
  QTest::mouseClick(&list, Qt::LeftButton, QtModifiers(held), pressed);
  QApplication::processEvents();
  if (alive == nullptr) return false;
  QAbstractItemView* view = list.view();
  if (view == nullptr || !view->isVisible()) return false;
  const QModelIndex item = list.model()->index(index, list.modelColumn(), list.rootModelIndex());
  view->scrollTo(item);
  QWidget& viewport = *view->viewport();
  // A list opened by a click ignores a release close to where it was opened until the pointer
  // has moved away; the hand moves across the open list before it settles on the item.
  const QPoint opened = list.mapToGlobal(pressed);
  QPoint away = viewport.rect().topLeft();
  for (const QPoint corner :
       {viewport.rect().topRight(), viewport.rect().bottomLeft(), viewport.rect().bottomRight()}) {
    if ((viewport.mapToGlobal(corner) - opened).manhattanLength() >
        (viewport.mapToGlobal(away) - opened).manhattanLength())
      away = corner;
  }
  MoveMouse(viewport, away, held);
  // An item can be drawn wider than the list; the hand aims at the part that shows.
  const QPoint at = view->visualRect(item).intersected(viewport.rect()).center();
  MoveMouse(viewport, at, held);
  QTest::mouseClick(&viewport, Qt::LeftButton, QtModifiers(held), at);
  QApplication::processEvents();
  return alive != nullptr && !view->isVisible();
}

bool Person::ChooseMenuItem(QMenuBar& bar, const std::vector<QAction*>& menus, QAction& item,
                            int held) {
  if (menus.empty()) return false;
  QTest::mouseClick(&bar, Qt::LeftButton, QtModifiers(held),
                    bar.actionGeometry(menus.front()).center());
  QApplication::processEvents();
  QMenu* popup = menus.front()->menu();
  if (popup == nullptr || !popup->isVisible()) return false;
  // A menu within opens when the hand rests on its item, as it moves on into it.
  for (std::size_t level = 1; level < menus.size(); ++level) {
    const QPoint at = popup->actionGeometry(menus[level]).center();
    MoveMouse(*popup, at, held);
    QTest::mouseClick(popup, Qt::LeftButton, QtModifiers(held), at);
    QApplication::processEvents();
    QMenu* within = menus[level]->menu();
    if (within == nullptr) return false;
    if (!within->isVisible())
      QTest::qWait(
          QApplication::style()->styleHint(QStyle::SH_Menu_SubMenuPopupDelay, nullptr, popup) + 50);
    if (!within->isVisible()) return false;
    popup = within;
  }
  const QPointer<QMenu> alive(popup);
  MoveMouse(*popup, popup->actionGeometry(&item).center(), held);
  QTest::mouseClick(popup, Qt::LeftButton, QtModifiers(held),
                    popup->actionGeometry(&item).center());
  QApplication::processEvents();
  return alive == nullptr || !alive->isVisible();
}

}  // namespace quillbit::scenario
