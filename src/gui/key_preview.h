#pragma once

#include <QKeyEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include "gui/form_view.h"

namespace quillbit {

// The key code a Windows program would see for a Qt key: virtual-key codes (Shift 16, Ctrl 17,
// Alt 18, Return 13, Delete 46, arrows 37 to 40, letters and digits as upper-case ASCII).
// Keys with no such code give 0.
int VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

// The modifier mask of a key event (Shift 1, Ctrl 2, Alt 4). The modifier key being pressed
// counts as held, the one being released as not held, whatever the platform reports.
int ModifierMask(const QKeyEvent& event);

// Window-level key preview: sees every key press and release delivered anywhere in `window`
// and hands it to the model's ControlSet before the focused widget handles it. Holding a key
// gives repeated presses and one release, as on Windows.
class KeyPreview : public QObject {
  Q_OBJECT

 public:
  KeyPreview(QWidget& window, FormView& view);
  ~KeyPreview() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> window_;
  FormView& view_;
  QPointer<QWidget> lastPressReceiver_;
};

}  // namespace quillbit
