#pragma once

#include <QObject>
#include <vector>

#include "scenario_player/core/scenario_dump.h"

namespace quillbit::scenario {

// Answers every message box with OK as soon as it is shown, as a person would click it, and
// keeps its caption and text. Watches the whole application while it lives.
class MessageWatcher : public QObject {
  Q_OBJECT

 public:
  MessageWatcher();
  ~MessageWatcher() override;

  const std::vector<MessageView>& Messages() const { return messages_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<MessageView> messages_;
};

}  // namespace quillbit::scenario
