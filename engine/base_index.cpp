#include "engine/base_index.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace vokabi {
namespace {

// Entries per block of the rank tree: small enough to scan, large enough to keep the tree tiny.
constexpr std::uint32_t kBlock = 32;
// A prefix range this short is cheaper to scan than to search through the tree.
constexpr std::uint32_t kScanLimit = 64;
// Every entry ends with "$" and the 6 locator bytes.
constexpr std::size_t kEntryTail = 7;

// Compares the folded headword with the folded key; with prefixOnly, only the headword's first
// key-length characters count.
int CompareFolded(std::string_view headword, std::string_view key, const unsigned char* upper,
                  bool prefixOnly) {
  const std::size_t n = std::min(headword.size(), key.size());
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char a = upper[static_cast<unsigned char>(headword[i])];
    const auto b = static_cast<unsigned char>(key[i]);
    if (a != b) return a < b ? -1 : 1;
  }
  if (headword.size() < key.size()) return -1;
  if (prefixOnly || headword.size() == key.size()) return 0;
  return 1;
}

bool LessFolded(std::string_view a, std::string_view b, const unsigned char* upper) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char x = upper[static_cast<unsigned char>(a[i])];
    const unsigned char y = upper[static_cast<unsigned char>(b[i])];
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

std::string Fold(std::string_view word, const unsigned char* upper) {
  std::string folded(word);
  for (char& c : folded) c = static_cast<char>(upper[static_cast<unsigned char>(c)]);
  return folded;
}

}  // namespace

bool BaseIndex::Build(std::string text, std::int32_t section2Start, const CaseMap& case1,
                      const CaseMap& case2) {
  text_ = std::move(text);
  offsets_.clear();
  const char* data = text_.data();
  const std::size_t size = text_.size();
  offsets_.reserve(size / 16);
  std::size_t pos = 0;
  while (pos < size) {
    if (data[pos] != '#') return false;
    const auto* dollar = static_cast<const char*>(std::memchr(data + pos + 1, '$', size - pos - 1));
    if (dollar == nullptr) return false;
    const auto end = static_cast<std::size_t>(dollar - data);
    if (std::memchr(data + pos + 1, '#', end - pos - 1) != nullptr) return false;
    if (end + kEntryTail > size) return false;
    offsets_.push_back(static_cast<std::uint32_t>(pos));
    pos = end + kEntryTail;
  }
  offsets_.shrink_to_fit();

  const auto firstOfSection2 =
      static_cast<std::uint32_t>(section2Start > 1 ? section2Start - 1 : 0);
  split_ = static_cast<std::size_t>(
      std::lower_bound(offsets_.begin(), offsets_.end(), firstOfSection2) - offsets_.begin());
  BuildSection(sections_[0], case1, 0, static_cast<std::uint32_t>(split_));
  BuildSection(sections_[1], case2, static_cast<std::uint32_t>(split_),
               static_cast<std::uint32_t>(offsets_.size()));
  return true;
}

std::string_view BaseIndex::Headword(std::size_t i) const {
  const std::size_t begin = offsets_[i] + 1;
  const std::size_t next = i + 1 < offsets_.size() ? offsets_[i + 1] : text_.size();
  return std::string_view(text_).substr(begin, next - kEntryTail - begin);
}

std::string_view BaseIndex::Locator(std::size_t i) const {
  const std::size_t next = i + 1 < offsets_.size() ? offsets_[i + 1] : text_.size();
  return std::string_view(text_).substr(next - 6, 6);
}

void BaseIndex::BuildSection(Section& section, const CaseMap& caseMap, std::uint32_t begin,
                             std::uint32_t end) {
  section = Section{};
  section.caseMap = caseMap;
  section.begin = begin;
  section.end = end;
  const std::uint32_t count = end - begin;
  if (count == 0) return;
  const unsigned char* upper = section.caseMap.upper.data();
  const auto less = [&](std::uint32_t a, std::uint32_t b) {
    return LessFolded(Headword(a), Headword(b), upper);
  };

  // Bases are written sorted, so a natural merge sort finds one run per section and costs one
  // pass; a base in another order still sorts in n log n. Merging is stable, so equal headwords
  // stay in index order.
  std::vector<std::uint32_t> order(count);
  std::vector<std::uint32_t> runs{0};
  for (std::uint32_t i = 0; i < count; ++i) {
    order[i] = begin + i;
    if (i > 0 && less(begin + i, begin + i - 1)) runs.push_back(i);
  }
  runs.push_back(count);
  std::vector<std::uint32_t> buffer(count);
  while (runs.size() > 2) {
    std::vector<std::uint32_t> merged{0};
    for (std::size_t r = 0; r + 1 < runs.size(); r += 2) {
      const std::uint32_t from = runs[r];
      const std::uint32_t middle = runs[r + 1];
      const std::uint32_t to = r + 2 < runs.size() ? runs[r + 2] : middle;
      std::merge(order.begin() + from, order.begin() + middle, order.begin() + middle,
                 order.begin() + to, buffer.begin() + from, less);
      merged.push_back(to);
    }
    order.swap(buffer);
    runs.swap(merged);
  }
  section.sorted = std::move(order);

  // Rank tree over blocks in index order: lets a prefix search skip blocks without a match.
  std::vector<std::uint32_t> rank(count);
  for (std::uint32_t r = 0; r < count; ++r) rank[section.sorted[r] - begin] = r;
  const std::uint32_t blocks = (count + kBlock - 1) / kBlock;
  std::uint32_t leaves = 1;
  while (leaves < blocks) leaves *= 2;
  section.leaves = leaves;
  section.minRank.assign(2 * leaves, std::numeric_limits<std::uint32_t>::max());
  section.maxRank.assign(2 * leaves, 0);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint32_t node = leaves + i / kBlock;
    section.minRank[node] = std::min(section.minRank[node], rank[i]);
    section.maxRank[node] = std::max(section.maxRank[node], rank[i]);
  }
  for (std::uint32_t node = leaves - 1; node >= 1; --node) {
    section.minRank[node] = std::min(section.minRank[2 * node], section.minRank[2 * node + 1]);
    section.maxRank[node] = std::max(section.maxRank[2 * node], section.maxRank[2 * node + 1]);
  }
}

std::uint32_t BaseIndex::FirstEntryFrom(std::int32_t start) const {
  const auto offset = static_cast<std::uint32_t>(start > 1 ? start - 1 : 0);
  return static_cast<std::uint32_t>(std::lower_bound(offsets_.begin(), offsets_.end(), offset) -
                                    offsets_.begin());
}

std::optional<std::size_t> BaseIndex::FindWord(std::string_view word, std::int32_t start) const {
  const std::uint32_t from = FirstEntryFrom(start);
  for (const Section& section : sections_) {
    if (from >= section.end) continue;
    if (auto found = FindWordIn(section, word, std::max(from, section.begin))) return found;
  }
  return std::nullopt;
}

std::optional<std::size_t> BaseIndex::FindPrefix(std::string_view prefix,
                                                 std::int32_t start) const {
  const std::uint32_t from = FirstEntryFrom(start);
  for (const Section& section : sections_) {
    if (from >= section.end) continue;
    if (auto found = FindPrefixIn(section, prefix, std::max(from, section.begin))) return found;
  }
  return std::nullopt;
}

std::optional<std::size_t> BaseIndex::FindWordIn(const Section& section, std::string_view word,
                                                 std::uint32_t from) const {
  const unsigned char* upper = section.caseMap.upper.data();
  const std::string key = Fold(word, upper);
  const auto first = std::partition_point(
      section.sorted.begin(), section.sorted.end(),
      [&](std::uint32_t e) { return CompareFolded(Headword(e), key, upper, false) < 0; });
  const auto last = std::partition_point(first, section.sorted.end(), [&](std::uint32_t e) {
    return CompareFolded(Headword(e), key, upper, false) == 0;
  });
  // Equal headwords are in index order: the first one at or after `from` wins.
  const auto hit = std::lower_bound(first, last, from);
  if (hit == last) return std::nullopt;
  return *hit;
}

std::optional<std::size_t> BaseIndex::FindPrefixIn(const Section& section, std::string_view prefix,
                                                   std::uint32_t from) const {
  const unsigned char* upper = section.caseMap.upper.data();
  const std::string key = Fold(prefix, upper);
  const auto hasPrefix = [&](std::uint32_t e) {
    return CompareFolded(Headword(e), key, upper, true) == 0;
  };
  // Typing the first letters of a group usually matches the group's first entry.
  if (from < section.end && hasPrefix(from)) return from;
  const auto first = std::partition_point(
      section.sorted.begin(), section.sorted.end(),
      [&](std::uint32_t e) { return CompareFolded(Headword(e), key, upper, true) < 0; });
  const auto last = std::partition_point(first, section.sorted.end(), hasPrefix);
  if (first == last) return std::nullopt;

  if (last - first <= kScanLimit) {
    std::optional<std::size_t> best;
    for (auto it = first; it != last; ++it) {
      if (*it >= from && (!best || *it < *best)) best = *it;
    }
    return best;
  }

  const auto lo = static_cast<std::uint32_t>(first - section.sorted.begin());
  const auto hi = static_cast<std::uint32_t>(last - section.sorted.begin());
  std::uint32_t fromBlock = (from - section.begin) / kBlock;
  for (;;) {
    const int block = FirstBlock(section, 1, 0, section.leaves, fromBlock, lo, hi);
    if (block < 0) return std::nullopt;
    const std::uint32_t blockBegin = section.begin + static_cast<std::uint32_t>(block) * kBlock;
    const std::uint32_t blockEnd = std::min(section.end, blockBegin + kBlock);
    for (std::uint32_t e = std::max(from, blockBegin); e < blockEnd; ++e) {
      if (hasPrefix(e)) return e;
    }
    fromBlock = static_cast<std::uint32_t>(block) + 1;
  }
}

int BaseIndex::FirstBlock(const Section& section, std::uint32_t node, std::uint32_t nodeBegin,
                          std::uint32_t nodeEnd, std::uint32_t fromBlock, std::uint32_t lo,
                          std::uint32_t hi) const {
  if (nodeEnd <= fromBlock || section.minRank[node] >= hi || section.maxRank[node] < lo) {
    return -1;
  }
  if (nodeEnd - nodeBegin == 1) return static_cast<int>(nodeBegin);
  const std::uint32_t middle = nodeBegin + (nodeEnd - nodeBegin) / 2;
  const int left = FirstBlock(section, 2 * node, nodeBegin, middle, fromBlock, lo, hi);
  if (left >= 0) return left;
  return FirstBlock(section, 2 * node + 1, middle, nodeEnd, fromBlock, lo, hi);
}

std::optional<std::size_t> BaseIndex::EntryAt(std::int32_t position) const {
  if (position < 1) return std::nullopt;
  const auto offset = static_cast<std::uint32_t>(position - 1);
  const auto it = std::lower_bound(offsets_.begin(), offsets_.end(), offset);
  if (it == offsets_.end() || *it != offset) return std::nullopt;
  return static_cast<std::size_t>(it - offsets_.begin());
}

std::size_t BaseIndex::LookupBytes() const {
  std::size_t bytes = offsets_.capacity() * sizeof(std::uint32_t);
  for (const Section& section : sections_) {
    bytes += (section.sorted.capacity() + section.minRank.capacity() + section.maxRank.capacity()) *
             sizeof(std::uint32_t);
  }
  return bytes;
}

}  // namespace vokabi
