#include "engine/base_index.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/system_case_map.h"

namespace vokabi {
namespace {

struct Entry {
  std::string word;
  std::int32_t position;
};

// The plain reading of the index: every entry from the first at or after start, in order.
std::optional<std::size_t> Reference(const std::vector<Entry>& entries, std::int32_t split,
                                     const CaseMap& case1, const CaseMap& case2,
                                     const std::string& word, std::int32_t start, bool prefix) {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Entry& e = entries[i];
    if (e.position < start) continue;
    const CaseMap& c = e.position >= split ? case2 : case1;
    if (prefix ? e.word.size() < word.size() : e.word.size() != word.size()) continue;
    bool same = true;
    for (std::size_t k = 0; same && k < word.size(); ++k) {
      same = c.upper[static_cast<unsigned char>(e.word[k])] ==
             c.upper[static_cast<unsigned char>(word[k])];
    }
    if (same) return i;
  }
  return std::nullopt;
}

std::string RandomWord(std::mt19937& rng, const std::string& letters, int maxLength) {
  std::uniform_int_distribution<int> length(1, maxLength);
  std::uniform_int_distribution<std::size_t> pick(0, letters.size() - 1);
  std::string word;
  for (int n = length(rng); n > 0; --n) word.push_back(letters[pick(rng)]);
  return word;
}

// Sorted, shuffled and nearly sorted indexes, with duplicates and case variants, must give what
// reading the text from the start position would give, for every kind of start.
TEST(BaseIndex, FindsWhatAPlainReadingFinds) {
  const CaseMap case1 = SystemCaseMap(0);
  const CaseMap case2 = SystemCaseMap(204);
  const std::string latin =
      "abcABC\xE9"
      "\xC9";  // é É in 1252
  const std::string cyrillic =
      "\xE0\xC0\xEA\xCA"
      "ab";  // а А к К in 1251, and Latin
  std::mt19937 rng(7);
  for (int round = 0; round < 6; ++round) {
    std::vector<std::string> words1;
    std::vector<std::string> words2;
    const int count = round < 3 ? 40 : 1500;
    for (int i = 0; i < count; ++i) words1.push_back(RandomWord(rng, latin, round % 3 + 2));
    for (int i = 0; i < count; ++i) words2.push_back(RandomWord(rng, cyrillic, round % 3 + 2));
    if (round % 3 == 0) {
      std::sort(words1.begin(), words1.end());
      std::sort(words2.begin(), words2.end());
    } else if (round % 3 == 1) {
      std::sort(words1.begin(), words1.end());
      std::swap(words1.front(), words1.back());
    }
    std::string text;
    std::vector<Entry> entries;
    std::int32_t split = 0;
    for (const auto* side : {&words1, &words2}) {
      if (side == &words2) split = static_cast<std::int32_t>(text.size()) + 1;
      for (const auto& w : *side) {
        entries.push_back({w, static_cast<std::int32_t>(text.size()) + 1});
        text += "#" + w + "$" + std::string("#$\x01#$\x02", 6);
      }
    }
    BaseIndex index;
    ASSERT_TRUE(index.Build(text, split, case1, case2));
    ASSERT_EQ(index.EntryCount(), entries.size());
    std::uniform_int_distribution<std::int32_t> start(-2,
                                                      static_cast<std::int32_t>(text.size()) + 2);
    for (int q = 0; q < 3000; ++q) {
      const bool prefix = q % 2 == 0;
      const std::string word = RandomWord(rng, q % 4 < 2 ? latin : cyrillic, prefix ? 2 : 3);
      const std::int32_t from = q % 5 == 0 ? 1 : start(rng);
      const auto expected = Reference(entries, split, case1, case2, word, from, prefix);
      const auto found = prefix ? index.FindPrefix(word, from) : index.FindWord(word, from);
      ASSERT_EQ(found, expected) << "round " << round << " word " << word << " from " << from
                                 << (prefix ? " prefix" : " word");
    }
    EXPECT_LE(index.LookupBytes(), index.Text().size() + 64);
  }
}

TEST(BaseIndex, EntryAtAcceptsOnlyEntryStarts) {
  BaseIndex index;
  const CaseMap ascii = CaseMap::Ascii();
  ASSERT_TRUE(index.Build("#a$123456#bc$#$#$#$", 1, ascii, ascii));
  EXPECT_EQ(index.EntryAt(1), 0u);
  EXPECT_EQ(index.EntryAt(10), 1u);
  EXPECT_EQ(index.Headword(1), "bc");
  EXPECT_EQ(index.Locator(1), "#$#$#$");
  for (const std::int32_t bad : {0, 2, 9, 11, 14, 20, -1}) EXPECT_FALSE(index.EntryAt(bad)) << bad;
}

TEST(BaseIndex, AnEmptySectionFindsNothing) {
  BaseIndex index;
  const CaseMap ascii = CaseMap::Ascii();
  ASSERT_TRUE(index.Build("#ab$123456", 1000, ascii, ascii));  // all of it is section 1
  EXPECT_EQ(index.FindPrefix("a", 1), 0u);
  EXPECT_FALSE(index.FindPrefix("b", 1));
  EXPECT_FALSE(index.FindWord("b", 1));
}

}  // namespace
}  // namespace vokabi
