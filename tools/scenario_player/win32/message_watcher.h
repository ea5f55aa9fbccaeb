#pragma once

#include <windows.h>

#include <vector>

#include "scenario_player/core/scenario_dump.h"

namespace quillbit::scenario {

// Answers every message box of this thread with OK as soon as it is up, as a person would click
// it, and keeps its caption and text. The program shows its boxes with MessageBoxW as it always
// does; the watcher sees each dialog once it has been given its text (WM_INITDIALOG, through a
// hook on the thread's window procedures) and posts the click that the box's own modal loop
// then delivers. One watcher at a time, while it lives.
class MessageWatcher {
 public:
  MessageWatcher();
  ~MessageWatcher();
  MessageWatcher(const MessageWatcher&) = delete;
  MessageWatcher& operator=(const MessageWatcher&) = delete;

  const std::vector<MessageView>& Messages() const { return messages_; }

 private:
  static LRESULT CALLBACK AfterProcedure(int code, WPARAM wParam, LPARAM lParam);
  void Answer(HWND box);

  HHOOK hook_ = nullptr;
  std::vector<MessageView> messages_;
};

}  // namespace quillbit::scenario
