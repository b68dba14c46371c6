#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/case_map.h"

namespace vokabi {

// The deciphered index text of a base, split into its entries once, with what it takes to find
// the first entry at or after a position by whole headword or by prefix without reading the
// text through. Positions are 1-based, as the base format counts them.
class BaseIndex {
 public:
  // False when the text is not a gapless sequence of "#headword$" + 6 locator bytes.
  bool Build(std::string text, std::int32_t section2Start, const CaseMap& case1,
             const CaseMap& case2);

  const std::string& Text() const { return text_; }
  std::size_t EntryCount() const { return offsets_.size(); }

  // 1-based position of entry i's "#".
  std::int32_t Position(std::size_t i) const { return static_cast<std::int32_t>(offsets_[i]) + 1; }
  std::string_view Headword(std::size_t i) const;
  std::string_view Locator(std::size_t i) const;
  // 1 or 2, by the entry's position against the start of section 2.
  int SectionOf(std::size_t i) const { return i < split_ ? 1 : 2; }

  // First entry at or after position start whose headword equals the word, ignoring case by the
  // rules of the entry's section.
  std::optional<std::size_t> FindWord(std::string_view word, std::int32_t start) const;
  // The same for the first headword that begins with the prefix.
  std::optional<std::size_t> FindPrefix(std::string_view prefix, std::int32_t start) const;
  // The entry whose "#" stands at the position, if one does.
  std::optional<std::size_t> EntryAt(std::int32_t position) const;

  // Memory of the lookup structures, beside the text itself.
  std::size_t LookupBytes() const;

 private:
  struct Section {
    CaseMap caseMap;
    std::uint32_t begin = 0;  // entry indices [begin, end)
    std::uint32_t end = 0;
    std::vector<std::uint32_t> sorted;  // entries by folded headword, then by index
    // Lowest and highest sorted rank per block of entries in index order, as a segment tree.
    std::vector<std::uint32_t> minRank;
    std::vector<std::uint32_t> maxRank;
    std::uint32_t leaves = 0;
  };

  void BuildSection(Section& section, const CaseMap& caseMap, std::uint32_t begin,
                    std::uint32_t end);
  std::uint32_t FirstEntryFrom(std::int32_t start) const;
  std::optional<std::size_t> FindWordIn(const Section& section, std::string_view word,
                                        std::uint32_t from) const;
  std::optional<std::size_t> FindPrefixIn(const Section& section, std::string_view prefix,
                                          std::uint32_t from) const;
  int FirstBlock(const Section& section, std::uint32_t node, std::uint32_t nodeBegin,
                 std::uint32_t nodeEnd, std::uint32_t fromBlock, std::uint32_t lo,
                 std::uint32_t hi) const;

  std::string text_;
  std::vector<std::uint32_t> offsets_;  // 0-based offset of each entry's "#"
  std::size_t split_ = 0;               // first entry of section 2
  Section sections_[2];
};

}  // namespace vokabi
