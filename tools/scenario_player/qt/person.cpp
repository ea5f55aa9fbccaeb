#include "scenario_player/qt/person.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QMenu>
#include <QMetaEnum>
#include <QMouseEvent>
#include <QPointer>
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

// A modifier key's own press carries the modifiers held before it, its release those held until
// then, as the window system reports them.
void Person::ModifierKey(QWidget& target, int bit, bool press) {
  for (const ModifierKeyEntry& entry : kModifierKeys) {
    if (entry.bit != bit) continue;
    const Qt::KeyboardModifiers before = QtModifiers(held_);
    held_ = press ? (held_ | bit) : (held_ & ~bit);
    Key(target, entry.key, QString(), press, before);
  }
}

void Person::PressModifiers(QWidget& target, int mask) {
  const QPointer<QWidget> alive(&target);
  for (const ModifierKeyEntry& entry : kModifierKeys) {
    if ((mask & entry.bit) != 0 && (held_ & entry.bit) == 0 && alive != nullptr)
      ModifierKey(*alive, entry.bit, true);
  }
}

void Person::ReleaseModifiers(QWidget& target, int mask) {
  const QPointer<QWidget> alive(&target);
  for (auto it = std::rbegin(kModifierKeys); it != std::rend(kModifierKeys); ++it) {
    if ((mask & it->bit) != 0 && (held_ & it->bit) != 0 && alive != nullptr)
      ModifierKey(*alive, it->bit, false);
  }
}

void Person::Stroke(QWidget& target, Qt::Key key, int mask) {
  const int extra = mask & ~held_;
  QPointer<QWidget> alive(&target);
  PressModifiers(target, extra);
  for (const ModifierKeyEntry& entry : kModifierKeys) {
    // The key named is itself a modifier: pressing it is holding it.
    if (entry.key == key) {
      if (alive != nullptr && (held_ & entry.bit) == 0) ModifierKey(*alive, entry.bit, true);
      if (alive != nullptr) ModifierKey(*alive, entry.bit, false);
      if (alive != nullptr) ReleaseModifiers(*alive, extra);
      return;
    }
  }
  const QString text = TextOfKey(key, held_);
  if (alive != nullptr) Key(*alive, key, text, true, QtModifiers(held_));
  // The press may have moved the focus or closed the window; the release goes where it is now.
  QWidget* now = QApplication::focusWidget();
  if (now == nullptr) now = alive;
  if (now != nullptr) Key(*now, key, text, false, QtModifiers(held_));
  if (now != nullptr) ReleaseModifiers(*now, extra);
  AwaitAnimatedClicks();
}

void Person::Type(QWidget& target, const QString& text) {
  QPointer<QWidget> to(&target);
  for (const QChar c : text) {
    if (QWidget* focus = QApplication::focusWidget()) to = focus;
    if (to == nullptr) return;
    const auto [key, keyText] = KeyForCharacter(c);
    Key(*to, key, keyText, true, QtModifiers(held_));
    if (QWidget* focus = QApplication::focusWidget()) to = focus;
    if (to == nullptr) return;
    Key(*to, key, keyText, false, QtModifiers(held_));
    AwaitAnimatedClicks();
  }
}

void Person::Click(QWidget& widget, QPoint at) {
  QTest::mouseClick(&widget, Qt::LeftButton, QtModifiers(held_), at);
}

void Person::MoveMouse(QWidget& widget, QPoint at) {
  QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   QtModifiers(held_));
  QApplication::sendEvent(&widget, &move);
}

bool Person::Pick(QComboBox& list, int index) {
  const QPointer<QComboBox> alive(&list);
  const QPoint pressed = list.rect().center();
  QTest::mouseClick(&list, Qt::LeftButton, QtModifiers(held_), pressed);
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
  MoveMouse(viewport, away);
  // An item can be drawn wider than the list; the hand aims at the part that shows.
  const QPoint at = view->visualRect(item).intersected(viewport.rect()).center();
  MoveMouse(viewport, at);
  QTest::mouseClick(&viewport, Qt::LeftButton, QtModifiers(held_), at);
  QApplication::processEvents();
  return alive != nullptr && !view->isVisible();
}

bool Person::ChooseMenuItem(QMenuBar& bar, QAction& menu, QAction& item) {
  QTest::mouseClick(&bar, Qt::LeftButton, QtModifiers(held_), bar.actionGeometry(&menu).center());
  QApplication::processEvents();
  QMenu* popup = menu.menu();
  if (popup == nullptr || !popup->isVisible()) return false;
  const QPointer<QMenu> alive(popup);
  QTest::mouseClick(popup, Qt::LeftButton, QtModifiers(held_),
                    popup->actionGeometry(&item).center());
  QApplication::processEvents();
  return alive == nullptr || !alive->isVisible();
}

}  // namespace quillbit::scenario
