#include "platform/end_request.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace vokabi::platform {

namespace {

// The signal handler may only write to a pipe; the event loop reads the other end.
int pipeEnds[2] = {-1, -1};  // process-wide: a signal handler has no other way

void OnSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = write(pipeEnds[1], &byte, 1);
  errno = saved;
}

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

}  // namespace

struct EndRequestWatcher::Impl {
  std::unique_ptr<QSocketNotifier> notifier;
};

EndRequestWatcher::EndRequestWatcher(std::function<void()> onEnd)
    : impl_(std::make_unique<Impl>()) {
  if (pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) return;
  impl_->notifier = std::make_unique<QSocketNotifier>(pipeEnds[0], QSocketNotifier::Read);
  QObject::connect(impl_->notifier.get(), &QSocketNotifier::activated, impl_->notifier.get(),
                   [onEnd = std::move(onEnd)] {
                     char bytes[16];
                     while (read(pipeEnds[0], bytes, sizeof bytes) > 0) {
                     }
                     onEnd();
                   });
  struct sigaction action = {};
  action.sa_handler = &OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : kSignals) sigaction(signal, &action, nullptr);
}

EndRequestWatcher::~EndRequestWatcher() {
  if (!impl_->notifier) return;
  struct sigaction action = {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  for (int signal : kSignals) sigaction(signal, &action, nullptr);
  impl_->notifier.reset();
  close(pipeEnds[0]);
  close(pipeEnds[1]);
  pipeEnds[0] = pipeEnds[1] = -1;
}

}  // namespace vokabi::platform
