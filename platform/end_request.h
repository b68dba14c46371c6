#pragma once

#include <functional>
#include <memory>

namespace vokabi::platform {

// Turns the system's requests to end the program (log-out, kill, Ctrl+C in a terminal) into a
// call on the event loop, where the program can close as its user would close it.
class EndRequestWatcher {
 public:
  explicit EndRequestWatcher(std::function<void()> onEnd);
  ~EndRequestWatcher();
  EndRequestWatcher(const EndRequestWatcher&) = delete;
  EndRequestWatcher& operator=(const EndRequestWatcher&) = delete;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace vokabi::platform
