#include "app/companion_format.h"

#include <xxhash.h>

#include <algorithm>
#include <system_error>

#include "engine/base_header.h"
#include "platform/mapped_file.h"

namespace vokabi::companion {
namespace {

// The header's read size: enough for its fixed fields.
constexpr std::size_t kSideSize = 2 + 1 + 4 * 8 + 6 * 8;
constexpr std::size_t kHeaderSize = 8 + 4 + 3 * 8 + 2 * kSideSize + 8;
// The most buckets a table may claim: far beyond any base, short of overflowing a size_t.
constexpr std::uint32_t kMostBuckets = 1U << 28;

std::int64_t WriteTime(const std::filesystem::path& path, std::error_code& error) {
  return static_cast<std::int64_t>(
      std::filesystem::last_write_time(path, error).time_since_epoch().count());
}

}  // namespace

void PutU16(std::string& out, std::uint32_t value) {
  for (int i = 0; i < 2; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}
void PutU32(std::string& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}
void PutU64(std::string& out, std::uint64_t value) {
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}
void PutVarint(std::string& out, std::uint64_t value) {
  while (value >= 0x80) {
    out.push_back(static_cast<char>((value & 0x7F) | 0x80));
    value >>= 7;
  }
  out.push_back(static_cast<char>(value));
}

namespace {
template <int kBytes, typename T>
bool TakeLittle(std::string_view& in, T* value) {
  if (in.size() < kBytes) return false;
  T v = 0;
  for (int i = kBytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(in[i]);
  *value = v;
  in.remove_prefix(kBytes);
  return true;
}
}  // namespace

bool TakeU16(std::string_view& in, std::uint32_t* value) {
  return TakeLittle<2>(in, value);
}
bool TakeU32(std::string_view& in, std::uint32_t* value) {
  return TakeLittle<4>(in, value);
}
bool TakeU64(std::string_view& in, std::uint64_t* value) {
  return TakeLittle<8>(in, value);
}
bool TakeVarint(std::string_view& in, std::uint64_t* value) {
  std::uint64_t v = 0;
  for (int shift = 0; shift < 64; shift += 7) {
    if (in.empty()) return false;
    const auto byte = static_cast<unsigned char>(in.front());
    in.remove_prefix(1);
    v |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
    if ((byte & 0x80) == 0) {
      *value = v;
      return true;
    }
  }
  return false;
}
bool TakeBytes(std::string_view& in, std::size_t length, std::string_view* bytes) {
  if (in.size() < length) return false;
  *bytes = in.substr(0, length);
  in.remove_prefix(length);
  return true;
}

std::uint64_t Hash(std::string_view bytes) {
  return XXH3_64bits(bytes.data(), bytes.size());
}

std::uint64_t CaseHash(const CaseMap& side1, const CaseMap& side2) {
  std::string rules;
  for (const CaseMap* map : {&side1, &side2}) {
    rules.append(map->upper.begin(), map->upper.end());
    rules.append(map->lower.begin(), map->lower.end());
  }
  return Hash(rules);
}

std::optional<SpellerFiles> SpellerFilesOf(const std::filesystem::path& base) {
  const std::filesystem::path aff = base.string() + ".aff";
  const std::filesystem::path dic = base.string() + ".dic";
  std::error_code error;
  SpellerFiles files;
  files.affSize = std::filesystem::file_size(aff, error);
  if (!error) files.dicSize = std::filesystem::file_size(dic, error);
  if (!error) files.affTime = WriteTime(aff, error);
  if (!error) files.dicTime = WriteTime(dic, error);
  if (error) return std::nullopt;
  return files;
}

std::string EncodeHeader(const Header& header) {
  std::string out(kMagic);
  PutU32(out, kVersion);
  PutU64(out, header.baseSize);
  PutU64(out, header.baseHash);
  PutU64(out, header.caseHash);
  for (const SideParts& side : header.sides) {
    std::string language = side.language;
    language.resize(2, '\0');
    out += language;
    out.push_back(static_cast<char>(side.cover));
    PutU64(out, side.speller.affSize);
    PutU64(out, side.speller.dicSize);
    PutU64(out, static_cast<std::uint64_t>(side.speller.affTime));
    PutU64(out, static_cast<std::uint64_t>(side.speller.dicTime));
    for (const std::uint64_t at : {side.headwords, side.roots, side.exceptions, side.deletions,
                                   side.strings, side.stringsSize}) {
      PutU64(out, at);
    }
  }
  PutU64(out, Hash(out));
  return out;
}

std::optional<Header> DecodeHeader(std::string_view file) {
  if (file.size() < kHeaderSize || file.substr(0, kMagic.size()) != kMagic) return std::nullopt;
  std::string_view in = file.substr(0, kHeaderSize - 8);
  std::string_view check = file.substr(kHeaderSize - 8, 8);
  std::uint64_t stored = 0;
  if (!TakeU64(check, &stored) || stored != Hash(in)) return std::nullopt;
  in.remove_prefix(kMagic.size());
  Header header;
  std::uint32_t version = 0;
  if (!TakeU32(in, &version) || version != kVersion) return std::nullopt;
  TakeU64(in, &header.baseSize);
  TakeU64(in, &header.baseHash);
  TakeU64(in, &header.caseHash);
  for (SideParts& side : header.sides) {
    std::string_view language;
    TakeBytes(in, 2, &language);
    side.language = std::string(language.substr(0, language.find('\0')));
    const auto cover = static_cast<unsigned char>(in.front());
    in.remove_prefix(1);
    if (cover > static_cast<unsigned char>(FormsCover::kListedOnly)) return std::nullopt;
    side.cover = static_cast<FormsCover>(cover);
    std::uint64_t affTime = 0, dicTime = 0;
    TakeU64(in, &side.speller.affSize);
    TakeU64(in, &side.speller.dicSize);
    TakeU64(in, &affTime);
    TakeU64(in, &dicTime);
    side.speller.affTime = static_cast<std::int64_t>(affTime);
    side.speller.dicTime = static_cast<std::int64_t>(dicTime);
    for (std::uint64_t* at : {&side.headwords, &side.roots, &side.exceptions, &side.deletions,
                              &side.strings, &side.stringsSize}) {
      TakeU64(in, at);
    }
    if (side.strings > file.size() || side.stringsSize > file.size() - side.strings) {
      return std::nullopt;
    }
  }
  return header;
}

std::optional<BaseIdentity> IdentifyBase(const std::filesystem::path& base) {
  // Mapped rather than read: the index block is hashed where it lies, no copy made.
  const std::optional<platform::MappedFile> file = platform::MappedFile::Open(base);
  if (!file) return std::nullopt;
  const std::string_view bytes = file->Bytes();
  // The header's fields up to the index length are all at fixed places.
  std::uint32_t indexOffset = 0, indexLength = 0;
  if (bytes.size() < header::kIndexLength.End() ||
      !ParseHex(bytes.substr(header::kIndexOffset.offset, header::kIndexOffset.length),
                &indexOffset) ||
      !ParseHex(bytes.substr(header::kIndexLength.offset, header::kIndexLength.length),
                &indexLength)) {
    return std::nullopt;
  }
  const std::uint64_t end =
      std::min<std::uint64_t>(bytes.size(), std::uint64_t{indexOffset} + 5 + indexLength);
  return BaseIdentity{bytes.size(), Hash(bytes.substr(0, static_cast<std::size_t>(end)))};
}

bool LowerCaseLetters(std::string_view word, const CaseMap& rules) {
  return std::all_of(word.begin(), word.end(), [&rules](char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return rules.lower[c] == c && rules.upper[c] != c;
  });
}

std::filesystem::path CompanionPath(const std::filesystem::path& base) {
  std::filesystem::path path = base;
  path.replace_extension(std::filesystem::path(std::string(kExtension)));
  return path;
}

std::vector<std::string> DeletionVariants(std::string_view folded, int deletions) {
  std::vector<std::string> variants{std::string(folded.substr(0, kDeletionPrefix))};
  std::size_t from = 0;
  for (int round = 0; round < deletions; ++round) {
    const std::size_t to = variants.size();
    for (std::size_t v = from; v < to; ++v) {
      for (std::size_t i = 0; i < variants[v].size(); ++i) {
        std::string shorter = variants[v];
        shorter.erase(i, 1);
        variants.push_back(std::move(shorter));
      }
    }
    from = to;
  }
  std::sort(variants.begin(), variants.end());
  variants.erase(std::unique(variants.begin(), variants.end()), variants.end());
  return variants;
}

SignatureGroups GroupsOf(const std::array<unsigned char, 256>& fold) {
  SignatureGroups groups{};
  for (std::size_t c = 0; c < groups.size(); ++c)
    groups[c] = static_cast<unsigned char>(2 * (fold[c] % 31));
  return groups;
}

std::uint64_t LetterSignature(std::string_view folded) {
  static const SignatureGroups kGroups = [] {
    std::array<unsigned char, 256> same{};
    for (std::size_t c = 0; c < same.size(); ++c) same[c] = static_cast<unsigned char>(c);
    return GroupsOf(same);
  }();
  return LetterSignature(folded, kGroups);
}

namespace {

std::uint32_t U32At(std::string_view table, std::size_t index) {
  std::uint32_t value = 0;
  for (std::size_t i = 4; i-- > 0;)
    value = (value << 8) | static_cast<unsigned char>(table[index * 4 + i]);
  return value;
}

}  // namespace

std::string HeadwordNumbers::Layout(const std::vector<std::string_view>& numbered) {
  std::string area;
  std::string tables;
  // The first number of each length up to the longest.
  std::uint32_t lengths = 0;
  for (std::size_t number = 0; number < numbered.size(); ++number) {
    for (; lengths <= numbered[number].size(); ++lengths)
      PutU32(tables, static_cast<std::uint32_t>(number));
  }
  for (std::size_t first = 0; first < numbered.size(); first += kStringBlock) {
    const std::size_t start = area.size();
    for (std::size_t n = first; n < std::min(numbered.size(), first + kStringBlock); ++n)
      area += numbered[n];
    PutU32(tables, static_cast<std::uint32_t>(Hash(std::string_view(area).substr(start))));
  }
  PutU32(tables, static_cast<std::uint32_t>(Hash(tables)));
  PutU32(tables, lengths);
  PutU32(tables, static_cast<std::uint32_t>(numbered.size()));
  return area + tables;
}

std::optional<HeadwordNumbers> HeadwordNumbers::Read(std::string_view strings) {
  std::string_view tail = strings.size() >= 12 ? strings.substr(strings.size() - 12) : "";
  std::uint32_t hash = 0;
  HeadwordNumbers numbers;
  if (!TakeU32(tail, &hash) || !TakeU32(tail, &numbers.lengths_) ||
      !TakeU32(tail, &numbers.count_)) {
    return std::nullopt;
  }
  const std::uint64_t blocks = (std::uint64_t{numbers.count_} + kStringBlock - 1) / kStringBlock;
  const std::uint64_t size = 4 * (std::uint64_t{numbers.lengths_} + blocks);
  if (size > strings.size() - 12) return std::nullopt;
  const std::string_view tables = strings.substr(strings.size() - 12 - size, size);
  if (hash != static_cast<std::uint32_t>(Hash(tables))) return std::nullopt;
  numbers.lengthStarts_ = tables.substr(0, 4 * std::size_t{numbers.lengths_});
  numbers.blockHashes_ = tables.substr(numbers.lengthStarts_.size());
  // The lengths' first numbers must rise, stay among the numbers, and their headwords fill the
  // area before the tables exactly.
  std::uint32_t previous = 0;
  std::uint64_t offset = 0;
  numbers.lengthOffsets_.reserve(numbers.lengths_);
  for (std::uint32_t length = 0; length < numbers.lengths_; ++length) {
    const std::uint32_t first = U32At(numbers.lengthStarts_, length);
    if (first < previous || first > numbers.count_) return std::nullopt;
    if (length > 0) offset += std::uint64_t{first - previous} * (length - 1);
    numbers.lengthOffsets_.push_back(offset);
    previous = first;
  }
  if (numbers.lengths_ > 0)
    offset += std::uint64_t{numbers.count_ - previous} * (numbers.lengths_ - 1);
  if (offset != strings.size() - 12 - size) return std::nullopt;
  numbers.headwords_ = strings.substr(0, offset);
  return numbers;
}

std::uint32_t HeadwordNumbers::FirstOfLength(std::size_t length) const {
  return length < lengths_ ? U32At(lengthStarts_, length) : count_;
}

std::uint64_t HeadwordNumbers::OffsetOf(std::uint32_t number) const {
  if (number >= count_) return headwords_.size();
  // The longest length whose first number is at most this one.
  std::size_t low = 0, high = lengths_;
  while (high - low > 1) {
    const std::size_t middle = (low + high) / 2;
    (U32At(lengthStarts_, middle) <= number ? low : high) = middle;
  }
  return lengthOffsets_[low] + std::uint64_t{number - U32At(lengthStarts_, low)} * low;
}

bool HeadwordNumbers::BlockIntact(std::uint32_t block) const {
  if (std::uint64_t{block} * 4 >= blockHashes_.size()) return false;
  const std::uint64_t from = OffsetOf(block * kStringBlock);
  const std::uint64_t to = OffsetOf(static_cast<std::uint32_t>(
      std::min<std::uint64_t>(std::uint64_t{block} * kStringBlock + kStringBlock, count_)));
  return U32At(blockHashes_, block) ==
         static_cast<std::uint32_t>(Hash(headwords_.substr(from, to - from)));
}

BucketTableWriter::BucketTableWriter(std::size_t buckets)
    : buckets_(std::clamp<std::size_t>(buckets, 1, kMostBuckets)) {}

std::string& BucketTableWriter::Bucket(std::string_view key) {
  return buckets_[Hash(key) % buckets_.size()];
}

std::string BucketTableWriter::Layout() const {
  std::string out;
  PutU32(out, static_cast<std::uint32_t>(buckets_.size()));
  std::uint64_t end = 0;
  PutU32(out, 0);
  for (const std::string& bucket : buckets_) {
    end += bucket.size() + 4;
    PutU32(out, static_cast<std::uint32_t>(end));
  }
  for (const std::string& bucket : buckets_) {
    out += bucket;
    PutU32(out, static_cast<std::uint32_t>(Hash(bucket)));
  }
  return out;
}

std::string SortedTableWriter::Layout() {
  std::sort(entries_.begin(), entries_.end());
  std::vector<std::string> blocks;
  for (std::size_t first = 0; first < entries_.size(); first += kBlockEntries) {
    std::string block;
    std::string_view previous;
    for (std::size_t i = first; i < std::min(entries_.size(), first + kBlockEntries); ++i) {
      const std::string& key = entries_[i].first;
      std::size_t shared = 0;
      if (i > first) {
        while (shared < key.size() && shared < previous.size() && key[shared] == previous[shared])
          ++shared;
        PutVarint(block, shared);
      }
      PutVarint(block, key.size() - shared);
      block.append(key, shared, std::string::npos);
      PutVarint(block, entries_[i].second.size());
      block += entries_[i].second;
      previous = key;
    }
    PutU32(block, static_cast<std::uint32_t>(Hash(block)));
    blocks.push_back(std::move(block));
  }
  std::string out;
  PutU32(out, static_cast<std::uint32_t>(blocks.size()));
  std::uint64_t end = 0;
  PutU32(out, 0);
  for (const std::string& block : blocks) {
    end += block.size();
    PutU32(out, static_cast<std::uint32_t>(end));
  }
  for (const std::string& block : blocks) out += block;
  return out;
}

namespace {

// Block b of a table whose block count and ends array start `in`; nothing when damaged.
std::optional<std::string_view> Block(std::string_view in, std::uint32_t count,
                                      std::string_view data, std::size_t b) {
  std::string_view ends = in.substr(b * 4, 8);
  std::uint32_t begin = 0, end = 0;
  TakeU32(ends, &begin);
  TakeU32(ends, &end);
  if (begin > end || end > data.size() || end - begin < 4 || b >= count) return std::nullopt;
  std::string_view block = data.substr(begin, end - begin - 4);
  std::string_view stored = data.substr(end - 4, 4);
  std::uint32_t hash = 0;
  TakeU32(stored, &hash);
  if (hash != static_cast<std::uint32_t>(Hash(block))) return std::nullopt;
  return block;
}

// The first key of a block, which is stored whole.
bool FirstKey(std::string_view block, std::string_view* key) {
  std::uint64_t length = 0;
  return TakeVarint(block, &length) && TakeBytes(block, length, key);
}

}  // namespace

SortedFind FindSorted(std::string_view file, std::uint64_t table, std::string_view key) {
  SortedFind result;
  result.damaged = true;
  if (table >= file.size()) return result;
  std::string_view in = file.substr(table);
  std::uint32_t count = 0;
  if (!TakeU32(in, &count) || count > kMostBuckets || in.size() / 4 < std::size_t{count} + 1) {
    return result;
  }
  const std::string_view data = in.substr((std::size_t{count} + 1) * 4);
  // The last block whose first key is not beyond the key.
  std::size_t low = 0, high = count;
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    const auto block = Block(in, count, data, middle);
    std::string_view first;
    if (!block || !FirstKey(*block, &first)) return result;
    if (first <= key) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  result.damaged = false;
  if (low == 0) return result;
  const auto block = Block(in, count, data, low - 1);
  result.damaged = true;
  if (!block) return result;
  std::string_view rest = *block;
  std::string current;
  for (bool first = true; !rest.empty(); first = false) {
    std::uint64_t shared = 0, length = 0, valueLength = 0;
    std::string_view suffix, value;
    if ((!first && !TakeVarint(rest, &shared)) || shared > current.size() ||
        !TakeVarint(rest, &length) || !TakeBytes(rest, length, &suffix) ||
        !TakeVarint(rest, &valueLength) || !TakeBytes(rest, valueLength, &value)) {
      return result;
    }
    current.resize(shared);
    current += suffix;
    if (current == key) {
      result.damaged = false;
      result.found = true;
      result.value = value;
      return result;
    }
    if (std::string_view(current) > key) break;
  }
  result.damaged = false;
  return result;
}

std::optional<std::string_view> ReadBucket(std::string_view file, std::uint64_t table,
                                           std::string_view key) {
  if (table >= file.size()) return std::nullopt;
  std::string_view in = file.substr(table);
  std::uint32_t count = 0;
  if (!TakeU32(in, &count) || count == 0 || count > kMostBuckets ||
      in.size() / 4 < std::size_t{count} + 1) {
    return std::nullopt;
  }
  const std::size_t bucket = Hash(key) % count;
  std::string_view ends = in.substr(bucket * 4, 8);
  const std::string_view data = in.substr((std::size_t{count} + 1) * 4);
  std::uint32_t begin = 0, end = 0;
  TakeU32(ends, &begin);
  TakeU32(ends, &end);
  if (begin > end || end > data.size() || end - begin < 4) return std::nullopt;
  std::string_view records = data.substr(begin, end - begin - 4);
  std::string_view stored = data.substr(end - 4, 4);
  std::uint32_t hash = 0;
  TakeU32(stored, &hash);
  if (hash != static_cast<std::uint32_t>(Hash(records))) return std::nullopt;
  return records;
}

}  // namespace vokabi::companion
