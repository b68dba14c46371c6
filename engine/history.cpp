#include "engine/history.h"

#include <utility>

namespace vokabi {

void History::Initialize() {
  slots_ = {};
  write_ = 0;
  cursor_ = 0;
}

void History::Push(const Entry& entry) {
  for (int i = 0; i <= kCapacity; ++i) {
    if (slots_[i].word == entry.word) return;
  }
  if (write_ < kCapacity) {
    slots_[write_] = entry;
    ++write_;
    slots_[write_] = Entry{};
    return;
  }
  // Full: drop the oldest so the newest still stands just below the write position.
  for (int i = 1; i < kCapacity; ++i) slots_[i - 1] = std::move(slots_[i]);
  slots_[kCapacity - 1] = entry;
}

bool History::MovePredna() {
  if (write_ < 2) return false;
  --write_;
  cursor_ = write_ - 1;
  return true;
}

bool History::MoveSledvasta() {
  if (write_ == kCapacity || slots_[write_].word.empty()) return false;
  cursor_ = write_;
  ++write_;
  return true;
}

}  // namespace vokabi
