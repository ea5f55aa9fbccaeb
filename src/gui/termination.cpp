#include "gui/termination.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <cerrno>

namespace quillbit {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// A signal handler may do next to nothing: it writes one byte that the event loop then reads.
// The descriptor has to be reachable from the handler, hence this one file-level variable.
int signalWriteFd = -1;

void OnSignal(int) {
  const int saved = errno;
  const char byte = 1;
  if (signalWriteFd >= 0) {
    // A full socket already holds a pending close; nothing more to do.
    const ssize_t written = write(signalWriteFd, &byte, 1);
    static_cast<void>(written);
  }
  errno = saved;
}

}  // namespace

void CloseAllWindows(QWidget& mainWindow) {
  mainWindow.close();
  QApplication::closeAllWindows();
}

CloseOnTermination::CloseOnTermination(QWidget& window) : window_(&window) {
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, fds_) != 0) return;
  signalWriteFd = fds_[0];
  notifier_ = std::make_unique<QSocketNotifier>(fds_[1], QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, &CloseOnTermination::Close);
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (size_t i = 0; i < std::size(kSignals); ++i) sigaction(kSignals[i], &action, &previous_[i]);
}

CloseOnTermination::~CloseOnTermination() {
  if (fds_[0] < 0) return;
  for (size_t i = 0; i < std::size(kSignals); ++i) sigaction(kSignals[i], &previous_[i], nullptr);
  signalWriteFd = -1;
  notifier_.reset();
  close(fds_[0]);
  close(fds_[1]);
}

void CloseOnTermination::Close() {
  char buffer[16];
  while (read(fds_[1], buffer, sizeof buffer) > 0) {
  }
  if (window_ != nullptr) CloseAllWindows(*window_);
}

}  // namespace quillbit
