#include "app/near_misses.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>

#include "app/system_case_map.h"

namespace vokabi {
namespace {

using Words = std::vector<std::string>;

Words Suggest(std::string_view typed, const Words& list, int charset = 0, std::size_t limit = 9) {
  const std::vector<std::string_view> headwords(list.begin(), list.end());
  const auto found = NearMisses(typed, headwords, SystemCaseMap(charset), limit);
  return Words(found.begin(), found.end());
}

TEST(NearMisses, EachEditKindAtOneAndTwo) {
  const Words list = {"gardens", "garen",  "warden", "gadren", "xgardenx",
                      "gard",    "harken", "agrdne", "gaxxxn", "gdrane"};
  // One edit: insert, delete, substitute, swap; two: twice each; three (last two) never. Among
  // equals the longer shared beginning comes first.
  EXPECT_EQ(Suggest("garden", list), (Words{"gardens", "garen", "gadren", "warden", "gard",
                                            "agrdne", "harken", "xgardenx"}));
  // A swap is one edit even within the reach of a short word.
  EXPECT_EQ(Suggest("teh", {"the", "ten", "het"}), (Words{"ten", "the"}));
}

TEST(NearMisses, ReachGrowsAfterFourLetters) {
  const Words list = {"cat", "card", "cord", "carts", "cards"};
  EXPECT_EQ(Suggest("cart", list), (Words{"carts", "card", "cat"}));
  EXPECT_EQ(Suggest("carts", list), (Words{"carts", "cards", "card", "cat"}));
}

TEST(NearMisses, FoldsCaseByTheCodePage) {
  // ÉCOLE in cp1252 for école.
  EXPECT_EQ(Suggest("\xC9\x43OLE", {"\xE9\x63ole", "ecole"}), (Words{"\xE9\x63ole", "ecole"}));
  // КЪШТА and къшта in cp1251: къща and Къща fold alike and come as stored; къщи is three
  // edits away.
  const Words kashta = {"\xEA\xFA\xF9\xE0", "\xCA\xFA\xF9\xE0", "\xEA\xFA\xF9\xE8"};
  const Words found = {"\xCA\xFA\xF9\xE0", "\xEA\xFA\xF9\xE0"};
  EXPECT_EQ(Suggest("\xCA\xDA\xD8\xD2\xC0", kashta, 204), found);
  EXPECT_EQ(Suggest("\xEA\xFA\xF8\xF2\xE0", kashta, 204), found);
}

TEST(NearMisses, OrderLimitAndDuplicates) {
  // Closest first, then the longer shared beginning, then by folded bytes, high bytes after z;
  // as stored when they fold alike.
  EXPECT_EQ(Suggest("cat", {"c\xE4t", "Bat", "czt", "bat", "cart", "at", "cat", "dog"}),
            (Words{"cat", "cart", "czt", "c\xE4t", "at", "Bat", "bat"}));
  EXPECT_EQ(Suggest("cat", {"cat", "cut", "cat", "cat"}), (Words{"cat", "cut"}));

  Words many;
  for (char c = 'z'; c >= 'a'; --c) many.push_back(std::string(1, c) + "at");
  EXPECT_EQ(Suggest("mat", many),
            (Words{"mat", "aat", "bat", "cat", "dat", "eat", "fat", "gat", "hat"}));
  EXPECT_EQ(Suggest("mat", many, 0, 2), (Words{"mat", "aat"}));
}

TEST(NearMisses, NothingCloseOrNothingTyped) {
  const Words list = {"", "a", "house", "mouse", "zzzzzzzzz"};
  EXPECT_EQ(Suggest("qwerty", list), Words{});
  EXPECT_EQ(Suggest("", list), Words{});
  EXPECT_EQ(Suggest("b", list), (Words{"", "a"}));
}

// The optimal-string-alignment distance over the whole table, as the textbook writes it.
int FullDistance(const std::string& a, const std::string& b) {
  std::vector<std::vector<int>> d(a.size() + 1, std::vector<int>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = static_cast<int>(i);
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = static_cast<int>(j);
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      d[i][j] = std::min(
          {d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
      }
    }
  }
  return d[a.size()][b.size()];
}

TEST(NearMisses, SameAsTheFullTableOnRandomWords) {
  const CaseMap rules = SystemCaseMap(204);
  auto fold = [&rules](std::string w) {
    for (char& c : w) c = static_cast<char>(rules.lower[static_cast<unsigned char>(c)]);
    return w;
  };
  // Few letters, so that most typed words have many neighbours: a, b, c in both cases, а, А.
  const std::string letters = "abcAB\xE0\xC0";
  std::mt19937 rng(15);
  auto pick = [&rng](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n)(rng);
  };
  auto word = [&] {
    std::string w;
    for (std::size_t n = pick(9); n > 0; --n) w.push_back(letters[pick(letters.size() - 1)]);
    return w;
  };
  Words list(3000);
  for (auto& w : list) w = word();

  for (int round = 0; round < 300; ++round) {
    std::string typed = round % 3 == 0 ? word() : list[pick(list.size() - 1)];
    for (std::size_t edits = pick(3); edits > 0 && !typed.empty(); --edits) {
      const std::size_t at = pick(typed.size() - 1);
      typed[at] = letters[pick(letters.size() - 1)];
      if (at + 1 < typed.size()) std::swap(typed[at], typed[at + 1]);
      if (pick(2) == 0) typed.erase(at, 1);
    }
    if (typed.empty()) continue;

    std::vector<std::tuple<int, int, std::string, std::string>> expected;
    for (const auto& w : list) {
      const std::string a = fold(typed), b = fold(w);
      const int d = FullDistance(a, b);
      int shared = 0;
      while (shared < static_cast<int>(std::min(a.size(), b.size())) && a[shared] == b[shared])
        ++shared;
      if (d <= NearMissReach(typed.size())) expected.emplace_back(d, -shared, b, w);
    }
    std::sort(expected.begin(), expected.end());
    expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
    Words want;
    for (const auto& e : expected) want.push_back(std::get<3>(e));
    EXPECT_EQ(Suggest(typed, list, 204, list.size()), want) << typed;
  }
}

}  // namespace
}  // namespace vokabi
