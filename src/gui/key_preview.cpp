#include "gui/key_preview.h"

#include <QCoreApplication>
#include <QMenu>
#include <utility>

namespace quillbit {
namespace {

// Qt keys whose virtual-key code is not their own ASCII code.
constexpr std::pair<int, int> kSpecialKeys[] = {
    {Qt::Key_Backspace, 8},
    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_AltGr, 18},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},
    {Qt::Key_Print, 44},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
    {Qt::Key_Meta, 91},
    {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    // US layout punctuation, shifted or not, reports the key it is on.
    {Qt::Key_Semicolon, 186},
    {Qt::Key_Colon, 186},
    {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},
    {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},
    {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},
    {Qt::Key_Slash, 191},
    {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},
    {Qt::Key_AsciiTilde, 192},
    {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
    {Qt::Key_Exclam, '1'},
    {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},
};

// The keypad keys that Windows tells apart from the main keyboard's.
constexpr std::pair<int, int> kKeypadKeys[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},  {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},   {Qt::Key_Slash, 111},
};

int Lookup(const auto& table, int qtKey) {
  for (const auto& [qt, vk] : table) {
    if (qt == qtKey) return vk;
  }
  return 0;
}

int OwnModifierBit(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Shift:
      return kShiftMask;
    case Qt::Key_Control:
      return kCtrlMask;
    case Qt::Key_Alt:
      return kAltMask;
    default:
      return 0;
  }
}

}  // namespace

int VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
  if (modifiers & Qt::KeypadModifier) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 96 + (qtKey - Qt::Key_0);
    if (const int vk = Lookup(kKeypadKeys, qtKey)) return vk;
  }
  if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) {
    return qtKey;
  }
  if (qtKey == Qt::Key_Asterisk) return '8';
  if (qtKey == Qt::Key_ParenLeft) return '9';
  if (qtKey == Qt::Key_ParenRight) return '0';
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
  return Lookup(kSpecialKeys, qtKey);
}

int ModifierMask(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  int mask = 0;
  if (modifiers & Qt::ShiftModifier) mask |= kShiftMask;
  if (modifiers & Qt::ControlModifier) mask |= kCtrlMask;
  if (modifiers & Qt::AltModifier) mask |= kAltMask;
  if (const int own = OwnModifierBit(event.key())) {
    mask = event.type() == QEvent::KeyPress ? (mask | own) : (mask & ~own);
  }
  return mask;
}

KeyPreview::KeyPreview(QWidget& window, FormView& view) : window_(&window), view_(view) {
  QCoreApplication::instance()->installEventFilter(this);
}

KeyPreview::~KeyPreview() {
  QCoreApplication::instance()->removeEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
  auto* receiver = qobject_cast<QWidget*>(watched);
  if (receiver == nullptr || window_ == nullptr) return false;
  QWidget* host = receiver->window();
  if (host != window_) {
    // A list's drop-down is a popup window of its own; the menus' popups are not previewed.
    const bool listPopup =
        host->windowType() == Qt::Popup && qobject_cast<QMenu*>(host) == nullptr &&
        host->parentWidget() != nullptr && host->parentWidget()->window() == window_;
    if (!listPopup) return false;
  }
  // Qt hands an unhandled key on to the parents; only the first delivery counts. Alt alone
  // gives the menu bar the focus before its release, which still goes first to where the
  // press went.
  const auto& key = static_cast<const QKeyEvent&>(*event);
  const bool press = event->type() == QEvent::KeyPress;
  QWidget* focus = host->focusWidget();
  const bool first =
      receiver == (focus != nullptr ? focus : host) || (!press && receiver == lastPressReceiver_);
  if (!first) return false;
  if (press) {
    lastPressReceiver_ = receiver;
  } else {
    lastPressReceiver_ = nullptr;
  }
  if (!press && key.isAutoRepeat()) return false;
  const int code = VirtualKeyCode(key.key(), key.modifiers());
  const int mask = ModifierMask(key);
  const QPointer<QWidget> alive(receiver);
  Control* focused = view_.ControlFor(receiver);
  if (press) {
    view_.Controls().KeyDown(focused, code, mask);
  } else {
    view_.Controls().KeyUp(focused, code, mask);
  }
  // A handler may have closed the window and taken the widget with it.
  return alive == nullptr;
}

}  // namespace quillbit
