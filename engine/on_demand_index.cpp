#include "engine/on_demand_index.h"

#include <algorithm>
#include <utility>

namespace vokabi {
namespace {

constexpr std::size_t kBlock = 8;
// Deciphered together: large enough that the per-call key set-up does not count.
constexpr std::size_t kChunk = 4096;
constexpr std::size_t kLocator = 6;

}  // namespace

OnDemandIndex::OnDemandIndex(MakeCrypto& crypto, std::string cipher, std::string key)
    : crypto_(crypto), cipher_(std::move(cipher)), key_(std::move(key)) {}

bool OnDemandIndex::Open() {
  if (cipher_.empty() || key_.empty() || cipher_.size() % kBlock != 0) return false;
  const std::size_t blocks = cipher_.size() / kBlock;
  const std::string last = DecipherBlocks(blocks - 1, blocks);
  if (last.size() != kBlock) return false;
  const std::size_t pad = static_cast<unsigned char>(last.back());
  if (pad < 1 || pad > kBlock) return false;
  for (std::size_t i = 0; i < pad; ++i) {
    if (static_cast<unsigned char>(last[kBlock - 1 - i]) != pad) return false;
  }
  size_ = cipher_.size() - pad;
  plain_.assign(cipher_.size(), '\0');
  ready_.assign((cipher_.size() + kChunk - 1) / kChunk, false);
  return true;
}

std::string OnDemandIndex::DecipherBlocks(std::size_t first, std::size_t last) {
  const std::string_view slice =
      std::string_view(cipher_).substr(first * kBlock, (last - first) * kBlock);
  // The cipher object only deciphers whole messages from a zero vector. A closing block that
  // deciphers to a full block of padding behind the slice makes the slice one; XOR with the
  // block before the slice then gives the first block its true vector.
  std::string closing(kBlock, static_cast<char>(kBlock));
  for (std::size_t i = 0; i < kBlock; ++i) closing[i] ^= slice[slice.size() - kBlock + i];
  std::string message(slice);
  message += crypto_.Encrypt(closing, key_).substr(0, kBlock);
  std::string plain = crypto_.Decrypt(message, key_);
  if (plain.size() != slice.size()) return {};
  if (first > 0) {
    for (std::size_t i = 0; i < kBlock; ++i) plain[i] ^= cipher_[(first - 1) * kBlock + i];
  }
  return plain;
}

void OnDemandIndex::Ensure(std::size_t begin, std::size_t end) {
  for (std::size_t chunk = begin / kChunk; chunk * kChunk < end; ++chunk) {
    if (ready_[chunk]) continue;
    const std::size_t from = chunk * kChunk;
    const std::size_t to = std::min(cipher_.size(), from + kChunk);
    const std::string plain = DecipherBlocks(from / kBlock, to / kBlock);
    std::copy(plain.begin(), plain.end(), plain_.begin() + static_cast<std::ptrdiff_t>(from));
    ready_[chunk] = true;
  }
}

char OnDemandIndex::At(std::size_t offset) {
  Ensure(offset, offset + 1);
  return plain_[offset];
}

std::optional<OnDemandIndex::Entry> OnDemandIndex::EntryAt(std::size_t offset) {
  if (offset >= size_ || At(offset) != '#') return std::nullopt;
  std::size_t dollar = offset + 1;
  for (;; ++dollar) {
    if (dollar >= size_) return std::nullopt;
    const char c = At(dollar);
    if (c == '$') break;
    if (c == '#') return std::nullopt;
  }
  const std::size_t end = dollar + 1 + kLocator;
  if (end > size_) return std::nullopt;
  Ensure(dollar, end);
  const std::string_view text(plain_);
  return Entry{offset, end, text.substr(offset + 1, dollar - offset - 1),
               text.substr(dollar + 1, kLocator)};
}

}  // namespace vokabi
