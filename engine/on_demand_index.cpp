#include "engine/on_demand_index.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace vokabi {
namespace {

constexpr std::size_t kBlock = 8;
// The unit of what is deciphered. A walk that goes on deciphers ever longer runs at a time, so
// that a search through the whole index does not pay the key set-up per chunk.
constexpr std::size_t kChunk = 4096;
constexpr std::size_t kLongestRun = 256 * 1024;
constexpr std::size_t kLocator = 6;

}  // namespace

OnDemandIndex::OnDemandIndex(MakeCrypto& crypto, BaseFile file, std::uint64_t offset,
                             std::size_t length, std::string key)
    : crypto_(crypto),
      file_(std::move(file)),
      offset_(offset),
      length_(length),
      key_(std::move(key)) {}

bool OnDemandIndex::Open() {
  if (length_ == 0 || key_.empty() || length_ % kBlock != 0) return false;
  const std::size_t blocks = length_ / kBlock;
  const std::string last = DecipherBlocks(blocks - 1, blocks);
  if (last.size() != kBlock) return false;
  const std::size_t pad = static_cast<unsigned char>(last.back());
  if (pad < 1 || pad > kBlock) return false;
  for (std::size_t i = 0; i < pad; ++i) {
    if (static_cast<unsigned char>(last[kBlock - 1 - i]) != pad) return false;
  }
  size_ = length_ - pad;
  plain_.reset(new char[length_]);
  ready_.assign((length_ + kChunk - 1) / kChunk, false);
  return true;
}

std::string OnDemandIndex::DecipherBlocks(std::size_t first, std::size_t last) {
  // The slice with the block before it, which gives the slice's first block its vector.
  const std::size_t before = first > 0 ? kBlock : 0;
  std::string bytes;
  if (!file_.ReadAt(offset_ + first * kBlock - before, (last - first) * kBlock + before, &bytes)) {
    unreadable_ = true;
    return {};
  }
  const std::string_view slice = std::string_view(bytes).substr(before);
  // The cipher object only deciphers whole messages from a zero vector. A closing block that
  // deciphers to a full block of padding behind the slice makes the slice one.
  std::string closing(kBlock, static_cast<char>(kBlock));
  for (std::size_t i = 0; i < kBlock; ++i) closing[i] ^= slice[slice.size() - kBlock + i];
  std::string message(slice);
  message += crypto_.Encrypt(closing, key_).substr(0, kBlock);
  std::string plain = crypto_.Decrypt(message, key_);
  if (plain.size() != slice.size()) {
    unreadable_ = true;
    return {};
  }
  for (std::size_t i = 0; i < before; ++i) plain[i] ^= bytes[i];
  return plain;
}

bool OnDemandIndex::Ensure(std::size_t begin, std::size_t end) {
  std::size_t chunk = begin / kChunk;
  while (chunk * kChunk < end) {
    if (ready_[chunk]) {
      ++chunk;
      continue;
    }
    const std::size_t want = std::max(end, chunk * kChunk + run_);
    std::size_t last = chunk;
    while (last < ready_.size() && !ready_[last] && last * kChunk < want) ++last;
    const std::size_t from = chunk * kChunk;
    const std::size_t to = std::min(length_, last * kChunk);
    const std::string plain = DecipherBlocks(from / kBlock, to / kBlock);
    if (plain.empty()) return false;
    std::copy(plain.begin(), plain.end(), plain_.get() + from);
    std::fill(ready_.begin() + static_cast<std::ptrdiff_t>(chunk),
              ready_.begin() + static_cast<std::ptrdiff_t>(last), true);
    run_ = std::min(run_ * 2, kLongestRun);
    chunk = last;
  }
  return true;
}

char OnDemandIndex::At(std::size_t offset) {
  return Ensure(offset, offset + 1) ? plain_[offset] : '\0';
}

std::optional<OnDemandIndex::Entry> OnDemandIndex::EntryAt(std::size_t offset) {
  if (offset >= size_ || At(offset) != '#') return std::nullopt;
  // The headword runs to the first "$" and holds no "#".
  const char* data = plain_.get();
  std::size_t dollar = offset + 1;
  for (;;) {
    if (dollar >= size_ || !Ensure(dollar, dollar + 1)) return std::nullopt;
    const std::size_t limit = std::min(size_, (dollar / kChunk + 1) * kChunk);
    const auto* found = static_cast<const char*>(std::memchr(data + dollar, '$', limit - dollar));
    const std::size_t stop = found != nullptr ? static_cast<std::size_t>(found - data) : limit;
    if (std::memchr(data + dollar, '#', stop - dollar) != nullptr) return std::nullopt;
    dollar = stop;
    if (found != nullptr) break;
  }
  const std::size_t end = dollar + 1 + kLocator;
  if (end > size_ || !Ensure(dollar, end)) return std::nullopt;
  const std::string_view text(plain_.get(), size_);
  return Entry{offset, end, text.substr(offset + 1, dollar - offset - 1),
               text.substr(dollar + 1, kLocator)};
}

}  // namespace vokabi
