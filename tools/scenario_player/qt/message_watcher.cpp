#include "scenario_player/qt/message_watcher.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace quillbit::scenario {
namespace {

// The button a person answers with: OK, or the box's default when it has no OK.
QAbstractButton* AnswerButton(QMessageBox& box) {
  if (QAbstractButton* ok = box.button(QMessageBox::Ok)) return ok;
  if (QAbstractButton* fallback = box.defaultButton()) return fallback;
  const QList<QAbstractButton*> buttons = box.buttons();
  return buttons.isEmpty() ? nullptr : buttons.front();
}

}  // namespace

MessageWatcher::MessageWatcher() {
  QCoreApplication::instance()->installEventFilter(this);
}

MessageWatcher::~MessageWatcher() {
  QCoreApplication::instance()->removeEventFilter(this);
}

bool MessageWatcher::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Show) return false;
  auto* box = qobject_cast<QMessageBox*>(watched);
  if (box == nullptr) return false;
  messages_.push_back({box->windowTitle().toStdString(), box->text().toStdString()});
  // The click comes from the box's own event loop, once the box is up and waiting.
  const QPointer<QMessageBox> shown(box);
  QMetaObject::invokeMethod(
      box,
      [shown] {
        if (shown == nullptr || !shown->isVisible()) return;
        if (QAbstractButton* button = AnswerButton(*shown)) {
          QTest::mouseClick(button, Qt::LeftButton);
        } else {
          shown->done(QMessageBox::Ok);
        }
      },
      Qt::QueuedConnection);
  return false;
}

}  // namespace quillbit::scenario
