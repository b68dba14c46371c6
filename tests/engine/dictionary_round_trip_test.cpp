#include <algorithm>
#include <random>
#include <set>
#include <string>

#include "tests/engine/dictionary_fixture.h"

namespace vokabi::test {
namespace {

// Distinct words under the side's case rules, from the given letters, each holding a letter that
// steers the side guess to its own side (a lower-case Latin letter, or a byte from 0xE0 on).
std::vector<std::string> Words(std::mt19937& rng, const std::string& letters, const CaseMap& rules,
                               int count, bool latin) {
  std::uniform_int_distribution<int> length(1, 14);
  std::uniform_int_distribution<std::size_t> pick(0, letters.size() - 1);
  std::set<std::string> folded;
  std::vector<std::string> words;
  while (static_cast<int>(words.size()) < count) {
    std::string word;
    for (int n = length(rng); n > 0; --n) word.push_back(letters[pick(rng)]);
    const bool steers = std::any_of(word.begin(), word.end(), [latin](char ch) {
      const auto c = static_cast<unsigned char>(ch);
      return latin ? c >= 'a' && c <= 'z' : c >= 0xE0;
    });
    if (!steers) continue;
    std::string key = word;
    for (char& c : key) c = static_cast<char>(rules.upper[static_cast<unsigned char>(c)]);
    if (folded.insert(key).second) words.push_back(word);
  }
  return words;
}

TEST_F(DictionaryTest, EveryHeadwordIsFoundOnItsSideWithItsTranslation) {
  std::mt19937 rng(11);
  const std::string latin = "abcdefghijklmnopqrstuvwxyzABCZ\xE9\xC9\xFC\xDC\xDF -'";
  const std::string cyrillic = "\xE0\xE1\xE2\xFA\xFE\xFF\xC0\xC1\xDA\xDF\xB8\xA8 -";
  BaseSource source = EnglishBulgarianSample();
  source.side1.clear();
  source.side2.clear();
  std::uniform_int_distribution<int> byte(1, 255);
  const auto translation = [&](std::size_t i) {
    std::string t = std::to_string(i).append("\r\n");
    for (int n = static_cast<int>(i % 40); n > 0; --n) t.push_back(static_cast<char>(byte(rng)));
    if (i == 7) t.append(30000, '\xFE');  // near the largest body a locator can describe
    return t;
  };
  const auto words1 = Words(rng, latin, SystemCaseMap(0), 600, true);
  const auto words2 = Words(rng, cyrillic, SystemCaseMap(204), 600, false);
  for (std::size_t i = 0; i < words1.size(); ++i)
    source.side1.push_back({words1[i], translation(i)});
  for (std::size_t i = 0; i < words2.size(); ++i) {
    source.side2.push_back({words2[i], translation(i + 1000)});
  }
  ASSERT_TRUE(Load(source));

  for (const auto* side : {&source.side1, &source.side2}) {
    const int charset = side == &source.side1 ? 0 : 204;
    for (const SideEntry& entry : *side) {
      // Words that start or end in a non-letter are found only as typed, never trimmed.
      ASSERT_TRUE(dictionary.Translate(entry.headword)) << entry.headword;
      EXPECT_EQ(dictionary.Duma(), entry.headword);
      EXPECT_EQ(dictionary.Prevod(), entry.translation) << entry.headword;
      EXPECT_EQ(dictionary.DumaCHSet(), charset);
      ASSERT_TRUE(dictionary.AutoComplete(entry.headword)) << entry.headword;
      EXPECT_EQ(dictionary.Duma(), entry.headword);
    }
  }
}

}  // namespace
}  // namespace vokabi::test
