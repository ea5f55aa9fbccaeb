#pragma once

#include <QObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>
#include <memory>

namespace quillbit {

// Ends the session's part of the program: the main window first, so that it saves, then every
// other window of the program (the About window), after which the program ends.
void CloseAllWindows(QWidget& mainWindow);

// Logging out or shutting down ends a desktop program with SIGTERM or SIGHUP (SIGINT from a
// terminal). While one of these lives, such a signal closes the windows the normal way, so the
// close saves as every other close does. One at a time: a signal has only one handler.
class CloseOnTermination : public QObject {
  Q_OBJECT

 public:
  explicit CloseOnTermination(QWidget& window);
  ~CloseOnTermination() override;

 private:
  void Close();

  QPointer<QWidget> window_;
  int fds_[2] = {-1, -1};
  std::unique_ptr<QSocketNotifier> notifier_;
  struct sigaction previous_[3] = {};
};

}  // namespace quillbit
