#pragma once

// The Bulgarian and form-designer names used here are explained in docs/glossary.md.

#include <array>
#include <cstdint>
#include <string>

namespace vokabi {

// The words a dictionary has translated, to be walked back and forth. A word is recorded once;
// at most 20 entries are reachable, and a full history drops its oldest entry.
class History {
 public:
  struct Entry {
    std::string word;
    std::string translation;
    std::int32_t neighbourStart = 0;
    std::int16_t wordCharset = 0;
    std::int16_t translationCharset = 0;
  };

  static constexpr int kSlots = 26;
  static constexpr int kCapacity = 20;

  void Initialize();
  void Push(const Entry& entry);
  bool MovePredna();
  bool MoveSledvasta();

  // The entry under the cursor.
  const Entry& Current() const { return slots_[cursor_]; }
  const Entry& Slot(int i) const { return slots_[i]; }
  int WritePosition() const { return write_; }

 private:
  std::array<Entry, kSlots> slots_{};
  int write_ = 0;
  int cursor_ = 0;
};

}  // namespace vokabi
