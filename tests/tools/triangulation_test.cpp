#include "tools/vkb/triangulation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/system_case_map.h"
#include "platform/codepage.h"
#include "tools/vkb/pivot_import.h"

namespace vokabi::test {
namespace {

using vkb::ImportedEntry;
using vkb::Pivot;
using vkb::Triangulated;

std::string W1251(const char* utf8) {
  return platform::EncodeCharset(204, utf8).bytes;
}
std::string W1252(const char* utf8) {
  return platform::EncodeCharset(0, utf8).bytes;
}

// Spanish through English and German, with what each says about "casa".
std::vector<Pivot> SpanishPivots() {
  Pivot english{"en",
                {{"casa", "", {"house", "home"}}, {"perro", "", {"dog"}}},
                {{"house", "", {W1251("къща"), W1251("дом")}},
                 {"home", "", {W1251("дом"), W1251("домашен")}},
                 {"dog", "", {W1251("куче")}}}};
  // Another entry of the same headword in other letters, a pivot word in capitals and a
  // Bulgarian term in another case are each the same one.
  Pivot german{"de",
               {{"Casa", "", {"HAUS"}}, {"perro", "", {W1252("Köter")}}, {"gato", "", {"Katze"}}},
               {{"Haus", "", {W1251("Къща")}},
                {W1252("Köter"), "", {W1251("пес")}},
                {"Katze", "", {W1251("котка")}}}};
  return {english, german};
}

Triangulated Only(const std::vector<Triangulated>& all, const std::string& headword) {
  for (const Triangulated& t : all)
    if (t.headword == headword) return t;
  ADD_FAILURE() << "no " << headword;
  return {};
}

TEST(TriangulationTest, ATermCountsOncePerPivotLanguageThatReachesIt) {
  const auto all = vkb::Triangulate(SpanishPivots(), 1, false, SystemCaseMap(0), SystemCaseMap,
                                    SystemCaseMap(204));
  ASSERT_EQ(all.size(), 3u);
  const Triangulated casa = Only(all, "casa");
  // дом is reached twice, but through English only.
  EXPECT_EQ(casa.terms, (std::vector<std::string>{W1251("къща"), W1251("дом"), W1251("домашен")}));
  EXPECT_EQ(casa.reachedBy, (std::vector<int>{2, 1, 1}));
  ASSERT_EQ(casa.via.size(), 2u);
  EXPECT_EQ(casa.via[0].label, "en");
  EXPECT_EQ(casa.via[0].words, (std::vector<std::string>{"house", "home"}));
  EXPECT_EQ(casa.via[1].words, (std::vector<std::string>{"HAUS"}));
  EXPECT_EQ(Only(all, "perro").terms, (std::vector<std::string>{W1251("куче"), W1251("пес")}));
}

TEST(TriangulationTest, KeepsOnlyTermsReachedThroughEnoughLanguages) {
  const auto all = vkb::Triangulate(SpanishPivots(), 2, false, SystemCaseMap(0), SystemCaseMap,
                                    SystemCaseMap(204));
  // perro and gato keep nothing and are left out.
  ASSERT_EQ(all.size(), 1u);
  EXPECT_EQ(all[0].terms, std::vector<std::string>{W1251("къща")});
  // Only the pivot words that led to a kept term are shown.
  ASSERT_EQ(all[0].via.size(), 2u);
  EXPECT_EQ(all[0].via[0].words, std::vector<std::string>{"house"});

  const std::vector<ImportedEntry> entries = vkb::TriangulatedEntries(vkb::Triangulate(
      SpanishPivots(), 1, false, SystemCaseMap(0), SystemCaseMap, SystemCaseMap(204)));
  EXPECT_EQ(entries[0].translation, W1251("къща, дом, домашен\r\nen: house, home; de: HAUS"));
  // Pivot words are written in the Bulgarian code page as their language writes them.
  EXPECT_EQ(entries[1].translation, W1251("куче, пес\r\nen: dog; de: Koeter"));
  EXPECT_EQ(entries[1].terms, (std::vector<std::string>{W1251("куче"), W1251("пес")}));
}

TEST(TriangulationTest, OneLanguageConfirmsATermThatLeadsOnlyBackToItsHeadword) {
  std::vector<Pivot> pivots = SpanishPivots();
  // "can" also leads to dog, so куче leads back to two headwords.
  pivots[0].toPivot.push_back({"can", "", {"dog"}});
  const auto all =
      vkb::Triangulate(pivots, 2, true, SystemCaseMap(0), SystemCaseMap, SystemCaseMap(204));
  // дом is one language's only (house and home have two terms each); куче leads back to
  // perro and can; пес (Köter's only term) and котка (Katze's) lead back to one headword.
  EXPECT_EQ(Only(all, "casa").terms, std::vector<std::string>{W1251("къща")});
  EXPECT_EQ(Only(all, "perro").terms, std::vector<std::string>{W1251("пес")});
  EXPECT_EQ(Only(all, "perro").confirmed, std::vector<bool>{true});
  EXPECT_EQ(Only(all, "gato").terms, std::vector<std::string>{W1251("котка")});
  EXPECT_EQ(all.size(), 3u);
}

TEST(TriangulationTest, ADictionaryTheOtherWayRoundIsReadInverted) {
  const std::vector<ImportedEntry> englishSpanish = {{"house", "", {"casa", "hogar"}},
                                                     {"home", "", {"Hogar"}},
                                                     {"dwelling", "", {"casa", "casa"}}};
  const auto inverted = vkb::InvertedEntries(englishSpanish, SystemCaseMap(0));
  ASSERT_EQ(inverted.size(), 2u);
  EXPECT_EQ(inverted[0].headword, "casa");
  EXPECT_EQ(inverted[0].terms, (std::vector<std::string>{"house", "dwelling"}));
  EXPECT_EQ(inverted[1].headword, "hogar");
  EXPECT_EQ(inverted[1].terms, (std::vector<std::string>{"house", "home"}));
}

}  // namespace
}  // namespace vokabi::test
