#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/case_map.h"

// The companion file beside a base (enbg.vkb → enbg.vkbx): what a missed word needs, laid out to
// be read by seeking. What both its writer (vkb build) and its reader follow.
//
// All numbers are little-endian; a varint is 7 bits a byte, the lowest first. The file is a
// header, then per side three sorted tables, a bucket table and a string area:
//   header: magic, format version, the base's size and hash, the case rules' hash, per side the
//     language, the Hunspell dictionary the forms came from and where the side's parts lie, and
//     last a hash of the header itself.
//   sorted table: u32 block count B, then B + 1 u32 ends (relative to the end of that array),
//     then the blocks. A block holds up to kBlockEntries entries in byte order of their keys: the
//     first as varint key length and key, the others as varint length shared with the key before,
//     varint length and bytes of the rest; each key is followed by varint length and bytes of its
//     value. A block ends in the u32 hash of its own bytes.
//   bucket table: u32 bucket count B, then B + 1 u32 ends, then the buckets; a bucket ends in the
//     u32 hash of its own bytes. A key goes to the bucket Hash(key) % B.
//   headwords (sorted): each headword upper-cased by the side's case rules → varint the 1-based
//     index position of its first entry.
//   roots (sorted): the roots of the side's Hunspell dictionary that are headwords, as the side's
//     bytes → varint the number of the root's set of flags (of all its lines together); and the
//     empty key → varint count of the sets, then each set as varint flag count and varint flags.
//   exceptions (sorted): a missed word whose base form Hunspell gives otherwise than the first
//     root the affix rules lead to in the roots table → varint 0 for none, or varint length + 1
//     and the bytes of the form for Translate.
//   deletions (buckets): the deletion variants of each headword's folded first letters lead to
//     buckets of varint gaps between headword numbers (ascending).
//   strings: each distinct headword as stored, by number, one after another; then the numbers'
//     tables: the u32 first number of each length from 0 to the longest, the u32 hash of the
//     headwords of each block of kStringBlock numbers, the u32 hash of these two tables, the u32
//     count of lengths and the u32 count of headwords. Headwords are numbered shortest first,
//     then in byte order, so that the headwords of a length are a range of numbers and where a
//     headword lies follows from its number.
namespace vokabi::companion {

inline constexpr std::string_view kMagic{"VKBX\r\n\x1a\0", 8};
inline constexpr std::uint32_t kVersion = 4;
inline constexpr std::string_view kExtension = ".vkbx";
// Deletion variants are taken of this many first letters, up to this many letters deleted.
inline constexpr std::size_t kDeletionPrefix = 5;
inline constexpr int kMostDeletions = 2;
// Entries of a sorted table's block.
inline constexpr std::size_t kBlockEntries = 16;
// Headwords of a string block, whose hash is checked before any of them is read.
inline constexpr std::uint32_t kStringBlock = 64;

// How far a side's forms table answers for a missed word.
enum class FormsCover : std::uint8_t {
  kNoDictionary = 0,  // no Hunspell dictionary was found: no word has base forms
  kComplete = 1,      // every lower-case word of letters has its answer in the tables
  kListedOnly = 2,  // only the words the roots lead to are known (compounds, ignored characters …)
};

// Identity of a Hunspell dictionary's two files, as the file system tells.
struct SpellerFiles {
  std::uint64_t affSize = 0;
  std::uint64_t dicSize = 0;
  std::int64_t affTime = 0;
  std::int64_t dicTime = 0;

  bool operator==(const SpellerFiles&) const = default;
};
// Of the dictionary whose files are base + ".aff" and base + ".dic"; nothing when either is gone.
std::optional<SpellerFiles> SpellerFilesOf(const std::filesystem::path& base);

struct SideParts {
  std::string language;  // two letters, or empty
  FormsCover cover = FormsCover::kNoDictionary;
  SpellerFiles speller;
  std::uint64_t headwords = 0;  // file offsets of the four tables
  std::uint64_t roots = 0;
  std::uint64_t exceptions = 0;
  std::uint64_t deletions = 0;
  std::uint64_t strings = 0;  // and of the string area with its size
  std::uint64_t stringsSize = 0;
};

struct Header {
  std::uint64_t baseSize = 0;
  std::uint64_t baseHash = 0;
  std::uint64_t caseHash = 0;
  SideParts sides[2];
};

std::string EncodeHeader(const Header& header);
// The header at the start of a companion file; nothing when it is not one or is damaged.
std::optional<Header> DecodeHeader(std::string_view file);

std::uint64_t Hash(std::string_view bytes);
// The hash of the case rules of both sides, which the tables were folded with.
std::uint64_t CaseHash(const CaseMap& side1, const CaseMap& side2);
// The base's identity: its size, and the hash of its header, tables and index block (everything
// before the translations). Nothing when the file cannot be read.
struct BaseIdentity {
  std::uint64_t size = 0;
  std::uint64_t hash = 0;
};
std::optional<BaseIdentity> IdentifyBase(const std::filesystem::path& base);

// Every byte a lower-case letter by the rules: the missed words whose base forms a complete forms
// table answers for all, and the only ones it lists.
bool LowerCaseLetters(std::string_view word, const CaseMap& rules);

// The companion's path for a base's path.
std::filesystem::path CompanionPath(const std::filesystem::path& base);

// The distinct strings made by deleting up to `deletions` letters from the first kDeletionPrefix
// letters of the folded word.
std::vector<std::string> DeletionVariants(std::string_view folded, int deletions);

// The bytes of a folded word counted, up to two of each, in 31 groups of two bits (the first
// set by one, both by two or more). Consecutive byte values fall in distinct groups, and so do a
// letter and the accented one 128 above it. One edit changes at most two bits, so words whose
// signatures differ in more than twice the edits allowed are farther apart than that.
std::uint64_t LetterSignature(std::string_view folded);
// Where each byte's two bits lie in a signature, once the byte is folded by the table: for
// LetterSignature(word, groups), which takes the word as stored, without a folded copy.
using SignatureGroups = std::array<unsigned char, 256>;
SignatureGroups GroupsOf(const std::array<unsigned char, 256>& fold);
inline std::uint64_t LetterSignature(std::string_view word, const SignatureGroups& groups) {
  std::uint64_t signature = 0;
  for (const char c : word) {
    const std::uint64_t once = std::uint64_t{1} << groups[static_cast<unsigned char>(c)];
    // The second bit once the first is set already.
    signature |= once | ((signature & once) << 1);
  }
  return signature;
}
inline bool SignaturesWithin(std::uint64_t a, std::uint64_t b, int edits) {
  // At most 2 × edits bits set: cleared one by one, without a library call for the count.
  std::uint64_t differ = a ^ b;
  for (int bits = 0; bits < 2 * edits && differ != 0; ++bits) differ &= differ - 1;
  return differ == 0;
}

// A side's string area: its headwords by number.
class HeadwordNumbers {
 public:
  // Read from a side's string area; nothing when its tables do not add up or their hash does
  // not match. The headwords themselves are checked a block at a time (BlockIntact).
  static std::optional<HeadwordNumbers> Read(std::string_view strings);
  // The string area of these headwords, numbered as the reader expects (shortest first, then in
  // byte order, each once).
  static std::string Layout(const std::vector<std::string_view>& numbered);

  std::uint32_t Count() const { return count_; }
  // The first number of a headword at least `length` bytes long (Count() when none is).
  std::uint32_t FirstOfLength(std::size_t length) const;
  // The headword of a number below Count() known to be of that length, as stored; unchecked
  // until its block is.
  std::string_view Headword(std::uint32_t number, std::size_t length) const {
    return headwords_.substr(lengthOffsets_[length] + (number - FirstOfLength(length)) * length,
                             length);
  }
  bool BlockIntact(std::uint32_t block) const;

 private:
  std::uint64_t OffsetOf(std::uint32_t number) const;

  std::string_view headwords_, lengthStarts_, blockHashes_;
  // Where the headwords of each length begin in headwords_.
  std::vector<std::uint64_t> lengthOffsets_;
  std::uint32_t count_ = 0;
  std::uint32_t lengths_ = 0;
};

// A bucket table being written: records go to buckets by their key, then it is laid out.
class BucketTableWriter {
 public:
  explicit BucketTableWriter(std::size_t buckets);
  std::string& Bucket(std::string_view key);
  std::string& BucketAt(std::size_t index) { return buckets_[index]; }
  std::size_t Count() const { return buckets_.size(); }
  std::string Layout() const;

 private:
  std::vector<std::string> buckets_;
};

// A sorted table being written: keys added in any order, each once.
class SortedTableWriter {
 public:
  void Add(std::string key, std::string value) {
    entries_.emplace_back(std::move(key), std::move(value));
  }
  std::size_t Count() const { return entries_.size(); }
  std::string Layout();

 private:
  std::vector<std::pair<std::string, std::string>> entries_;
};

// The value of the key in a laid-out sorted table: found, absent, or the table is damaged.
struct SortedFind {
  bool damaged = false;
  bool found = false;
  std::string_view value;
};
SortedFind FindSorted(std::string_view file, std::uint64_t table, std::string_view key);

// A bucket of a laid-out table: its records, once its own hash is checked; nothing when the
// table or the bucket is damaged.
std::optional<std::string_view> ReadBucket(std::string_view file, std::uint64_t table,
                                           std::string_view key);

void PutU16(std::string& out, std::uint32_t value);
void PutU32(std::string& out, std::uint32_t value);
void PutU64(std::string& out, std::uint64_t value);
void PutVarint(std::string& out, std::uint64_t value);
// Readers that stop (returning false) at the end of the bytes.
bool TakeU16(std::string_view& in, std::uint32_t* value);
bool TakeU32(std::string_view& in, std::uint32_t* value);
bool TakeU64(std::string_view& in, std::uint64_t* value);
bool TakeVarint(std::string_view& in, std::uint64_t* value);
bool TakeBytes(std::string_view& in, std::size_t length, std::string_view* bytes);

}  // namespace vokabi::companion
