#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace vokabi {

// Runs work on a thread of its own and gives its result when it ends within the limit; after
// that, none, and the work runs on unseen until it ends, its result then thrown away. For work
// that cannot be interrupted, such as a library reading a file the program does not trust.
template <typename T>
std::unique_ptr<T> WithinTime(std::chrono::milliseconds limit,
                              std::function<std::unique_ptr<T>()> work) {
  struct Shared {
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
    bool abandoned = false;
    std::unique_ptr<T> result;
  };
  auto shared = std::make_shared<Shared>();
  std::thread([shared, work = std::move(work)] {
    std::unique_ptr<T> result = work();
    const std::lock_guard lock(shared->mutex);
    if (!shared->abandoned) shared->result = std::move(result);
    shared->done = true;
    shared->ended.notify_one();
  }).detach();
  std::unique_lock lock(shared->mutex);
  if (!shared->ended.wait_for(lock, limit, [&] { return shared->done; })) {
    shared->abandoned = true;
    return nullptr;
  }
  return std::move(shared->result);
}

}  // namespace vokabi
