#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/base_file.h"
#include "engine/make_crypto.h"

namespace vokabi {

// The index block of a base, deciphered piece by piece as it is read. CBC lets any block be
// deciphered from itself and the block before it, so a one-shot lookup pays only for the part of
// the index its search walks through. Offsets are 0-based into the deciphered text.
class OnDemandIndex {
 public:
  // One "#headword$" + 6 locator bytes.
  struct Entry {
    std::size_t offset = 0;  // of the "#"
    std::size_t end = 0;     // where the next entry begins
    std::string_view headword;
    std::string_view locator;
  };

  // The block is the length bytes at the offset of the open base file.
  OnDemandIndex(MakeCrypto& crypto, BaseFile file, std::uint64_t offset, std::size_t length,
                std::string key);

  // Deciphers the last block; false when its padding shows the block would not decipher whole
  // (wrong key, damaged end) or the block is not made of whole cipher blocks.
  bool Open();
  std::size_t Size() const { return size_; }
  // The byte at the offset; NUL where the text could not be read.
  char At(std::size_t offset);
  // The entry whose "#" stands at the offset; nothing when the text there is not a whole entry
  // or could not be read.
  std::optional<Entry> EntryAt(std::size_t offset);
  // Whether a part of the block could not be read or deciphered since the last call (the file was
  // cut short while open): what a walk met there then says nothing of the base's text.
  bool TakeUnreadable() { return std::exchange(unreadable_, false); }

 private:
  // False when a part of [begin, end) could not be read; it is tried again on the next call.
  bool Ensure(std::size_t begin, std::size_t end);
  // Plain bytes of cipher blocks [first, last); empty when they cannot be read or deciphered.
  std::string DecipherBlocks(std::size_t first, std::size_t last);

  MakeCrypto& crypto_;
  BaseFile file_;
  std::uint64_t offset_;
  std::size_t length_;
  std::string key_;
  std::unique_ptr<char[]> plain_;  // only the deciphered parts are ever touched
  std::vector<bool> ready_;        // per chunk of plain_
  std::size_t size_ = 0;
  std::size_t run_ = 4096;  // bytes the next deciphering takes at least
  bool unreadable_ = false;
};

}  // namespace vokabi
