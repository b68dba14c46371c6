#include "platform/end_request.h"

#include <windows.h>

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QObject>
#include <atomic>

namespace vokabi::platform {

namespace {

// How long a console close may wait for the program to close; the system ends the process
// after about five seconds anyway.
constexpr DWORD kCloseWaitMs = 4000;

}  // namespace

// The end of a session reaches the windows as WM_ENDSESSION: the process ends once they have
// answered, so the program closes before the answer. A console's Ctrl+C, Ctrl+Break and close
// reach a handler on a thread of the system's own, which hands the request to the event loop.
struct EndRequestWatcher::Impl : QAbstractNativeEventFilter {
  std::function<void()> onEnd;
  bool ended = false;
  HANDLE done = nullptr;  // set once onEnd has run
  QObject context;        // on the event loop's thread, for calls queued from the handler

  void End() {
    if (!ended) {
      ended = true;
      onEnd();
    }
    SetEvent(done);
  }

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "windows_generic_MSG") return false;
    const auto* msg = static_cast<const MSG*>(message);
    if (msg->message == WM_ENDSESSION && msg->wParam != FALSE) End();
    return false;
  }
};

namespace {

// The handler's way to the one watcher.
std::atomic<EndRequestWatcher::Impl*> watching{nullptr};  // process-wide: as the handler is

BOOL WINAPI OnConsoleEvent(DWORD event) {
  EndRequestWatcher::Impl* impl = watching.load();
  if (impl == nullptr) return FALSE;
  QMetaObject::invokeMethod(
      &impl->context, [impl] { impl->End(); }, Qt::QueuedConnection);
  // Ctrl+C and Ctrl+Break leave the process alive; closing the console, log-off and shut-down
  // end it as soon as this returns.
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) {
    WaitForSingleObject(impl->done, kCloseWaitMs);
  }
  return TRUE;
}

}  // namespace

EndRequestWatcher::EndRequestWatcher(std::function<void()> onEnd)
    : impl_(std::make_unique<Impl>()) {
  impl_->onEnd = std::move(onEnd);
  impl_->done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (QCoreApplication* application = QCoreApplication::instance()) {
    application->installNativeEventFilter(impl_.get());
  }
  watching.store(impl_.get());
  SetConsoleCtrlHandler(&OnConsoleEvent, TRUE);
}

EndRequestWatcher::~EndRequestWatcher() {
  SetConsoleCtrlHandler(&OnConsoleEvent, FALSE);
  watching.store(nullptr);
  if (QCoreApplication* application = QCoreApplication::instance()) {
    application->removeNativeEventFilter(impl_.get());
  }
  if (impl_->done != nullptr) CloseHandle(impl_->done);
}

}  // namespace vokabi::platform
