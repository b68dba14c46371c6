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

  // The system's own part; named here so that its handlers can reach it.
  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace vokabi::platform
