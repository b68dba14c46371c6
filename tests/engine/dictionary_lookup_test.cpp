#include <string>
#include <utility>
#include <vector>

#include "tests/engine/dictionary_fixture.h"

namespace vokabi::test {
namespace {

class LookupTest : public DictionaryTest {
 protected:
  void SetUp() override { ASSERT_TRUE(Load(EnglishBulgarianSample())); }
};

TEST_F(DictionaryTest, DescribesTheLoadedBase) {
  EXPECT_FALSE(dictionary.Initi());
  ASSERT_TRUE(Load(EnglishBulgarianSample()));
  EXPECT_TRUE(dictionary.Initi());
  EXPECT_EQ(dictionary.DicName(), "enbg.vkb");
  EXPECT_EQ(dictionary.ID(), "enbgvk01");
  EXPECT_EQ(dictionary.Version(), "0100");
  EXPECT_EQ(dictionary.BroiDumi1(), static_cast<int>(EnglishBulgarianSample().side1.size()));
  EXPECT_EQ(dictionary.BroiDumi2(), static_cast<int>(EnglishBulgarianSample().side2.size()));
  EXPECT_EQ(dictionary.Ime_na_Dic(1, 1), "English");
  EXPECT_EQ(dictionary.Ime_na_Dic(9, 1), "English");
  EXPECT_EQ(dictionary.Ime_na_Dic(1, 2), "Bulgarian");
  EXPECT_EQ(dictionary.Ime_na_Dic(0, 3), Cp1251("Английски"));
  EXPECT_EQ(dictionary.Ime_na_Dic(6, 2), Cp1251("Болгарский"));
}

TEST_F(DictionaryTest, ANameWithoutCommaServesBothSides) {
  BaseSource source = EnglishBulgarianSample();
  source.names[3] = "Wörterbuch";
  ASSERT_TRUE(Load(source));
  EXPECT_EQ(dictionary.Ime_na_Dic(3, 2), dictionary.Ime_na_Dic(3, 1));
}

TEST_F(LookupTest, IgnoresCaseAndReturnsTheStoredForm) {
  ASSERT_TRUE(dictionary.Translate("HOUSE"));
  EXPECT_EQ(dictionary.Duma(), "house");
  EXPECT_EQ(dictionary.Prevod(), Cp1251("къща; дом"));
  EXPECT_EQ(dictionary.DumaCHSet(), 0);
  EXPECT_EQ(dictionary.PrevodCHSet(), 204);
  EXPECT_EQ(dictionary.BazaDumi().at(dictionary.PredniDumi() - 1), '#');
  EXPECT_EQ(errors.Nomer(), msg::kNone);
}

TEST_F(LookupTest, FoldsCaseByTheCodePageOfTheSection) {
  ASSERT_TRUE(dictionary.Translate(Cp1252("RÉSUMÉ")));
  EXPECT_EQ(dictionary.Duma(), Cp1252("résumé"));
  ASSERT_TRUE(dictionary.Translate(Cp1252("CAFÉ")));
  EXPECT_EQ(dictionary.Prevod(), Cp1251("кафене"));

  // Capitals are guessed as side 1; the search runs on into section 2 and the side follows.
  ASSERT_TRUE(dictionary.Translate(Cp1251("КЪЩА")));
  EXPECT_EQ(dictionary.Duma(), Cp1251("къща"));
  EXPECT_EQ(dictionary.Prevod(), "house");
  EXPECT_EQ(dictionary.DumaCHSet(), 204);
  EXPECT_EQ(dictionary.PrevodCHSet(), 0);
}

TEST_F(LookupTest, TrimsNonLettersOnceBeforeGivingUp) {
  ASSERT_TRUE(dictionary.Translate(" house."));
  EXPECT_EQ(dictionary.Duma(), "house");
  // Quotes, ellipsis and angle quotes of the code pages lie in 128 to 155: not letters.
  for (const char* quoted : {"„house“", "house…", "‹house›"}) {
    ASSERT_TRUE(dictionary.Translate(Cp1252(quoted))) << quoted;
    EXPECT_EQ(dictionary.Duma(), "house");
  }
  ASSERT_TRUE(dictionary.Translate(Cp1251("„къща“")));
  EXPECT_EQ(dictionary.Duma(), Cp1251("къща"));
  EXPECT_EQ(dictionary.DumaCHSet(), 204);

  EXPECT_FALSE(dictionary.Translate("+++"));
  EXPECT_EQ(errors.Nomer(), msg::kNoWord);
  EXPECT_FALSE(dictionary.Translate(""));
  EXPECT_EQ(errors.Nomer(), msg::kNoWord);
  EXPECT_FALSE(dictionary.Translate("hous"));
  EXPECT_EQ(errors.Nomer(), msg::kNotFound);
  EXPECT_FALSE(dictionary.Translate("(hous)"));
  EXPECT_EQ(errors.Nomer(), msg::kNotFound);
  // Markers and locator bytes typed into the box never match across entries.
  EXPECT_FALSE(dictionary.Translate("apple$#book"));
}

TEST_F(LookupTest, AFailedLookupKeepsThePreviousResult) {
  ASSERT_TRUE(dictionary.Translate("tree"));
  const std::int32_t position = dictionary.PredniDumi();
  EXPECT_FALSE(dictionary.Translate("treetop"));
  EXPECT_EQ(dictionary.Duma(), "tree");
  EXPECT_EQ(dictionary.Prevod(), Cp1251("дърво"));
  EXPECT_EQ(dictionary.PredniDumi(), position);
  EXPECT_FALSE(dictionary.MovePredna());  // only one word recorded
}

TEST_F(LookupTest, AWordOnBothSidesIsFoundWhereTheSearchStarts) {
  ASSERT_TRUE(dictionary.Translate("OK"));
  EXPECT_EQ(dictionary.DumaCHSet(), 0);
  EXPECT_EQ(dictionary.Prevod(), Cp1251("добре"));
}

TEST_F(DictionaryTest, ATwoLetterWordIsGuessedByItsLettersLikeALongerOne) {
  // Russian and Bulgarian share many short words; each side has its own translation of them.
  BaseSource source = EnglishBulgarianSample();
  source.id = "rubgvk01";
  source.charset1 = 204;
  source.side1 = {{Cp1251("да"), Cp1251("да")},
                  {Cp1251("дом"), Cp1251("къща; дом")},
                  {Cp1251("от"), Cp1251("от")}};
  source.side2 = {{Cp1251("да"), Cp1251("да; чтобы")},
                  {Cp1251("дом"), Cp1251("дом")},
                  {Cp1251("от"), Cp1251("от; из")}};
  ASSERT_TRUE(Load(source));

  ASSERT_TRUE(dictionary.Translate(Cp1251("от")));
  EXPECT_EQ(dictionary.Prevod(), Cp1251("от; из"));
  EXPECT_EQ(dictionary.DumaCHSet(), 204);
  ASSERT_TRUE(dictionary.AutoComplete(Cp1251("да")));
  EXPECT_EQ(dictionary.Prevod(), Cp1251("да; чтобы"));
  // Capitals steer to neither side, so the search starts in section 1.
  ASSERT_TRUE(dictionary.Translate(Cp1251("ОТ")));
  EXPECT_EQ(dictionary.Prevod(), Cp1251("от"));
}

// Both sides Cyrillic: a lower-case word is guessed as Bulgarian, so a Russian word only side 1
// holds is found by going round from the top of the index once.
TEST_F(DictionaryTest, ASearchStartingPastTheWordGoesRoundOnce) {
  BaseSource source = EnglishBulgarianSample();
  source.id = "rubgvk01";
  source.charset1 = 204;
  source.side1 = {{Cp1251("да"), Cp1251("да")},
                  {Cp1251("дом"), Cp1251("къща; дом")},
                  {Cp1251("дыня"), Cp1251("диня")}};
  source.side2 = {{Cp1251("да"), Cp1251("да; чтобы")},
                  {Cp1251("дъжд"), Cp1251("дождь")},
                  {Cp1251("къща"), Cp1251("дом")}};
  ASSERT_TRUE(Load(source));

  for (const char* typed : {"дом", "ДОМ", "Дом"}) {
    ASSERT_TRUE(dictionary.Translate(Cp1251(typed))) << typed;
    EXPECT_EQ(dictionary.Duma(), Cp1251("дом"));
    EXPECT_EQ(dictionary.Prevod(), Cp1251("къща; дом"));
    EXPECT_EQ(dictionary.DumaCHSet(), 204);
  }
  ASSERT_TRUE(dictionary.Translate(Cp1251("къща")));
  EXPECT_EQ(dictionary.Prevod(), Cp1251("дом"));
  // Found from the guess, as before: the word of both sides stays the side-2 one.
  ASSERT_TRUE(dictionary.Translate(Cp1251("да")));
  EXPECT_EQ(dictionary.Prevod(), Cp1251("да; чтобы"));
  EXPECT_FALSE(dictionary.Translate(Cp1251("дым")));
  EXPECT_EQ(errors.Nomer(), msg::kNotFound);

  // Completion goes round the same way, but takes what it finds from the guess first.
  ASSERT_TRUE(dictionary.AutoComplete(Cp1251("ды")));
  EXPECT_EQ(dictionary.Duma(), Cp1251("дыня"));
  ASSERT_TRUE(dictionary.AutoComplete(Cp1251("до")));
  EXPECT_EQ(dictionary.Duma(), Cp1251("дом"));
  ASSERT_TRUE(dictionary.AutoComplete(Cp1251("д")));
  EXPECT_EQ(dictionary.Prevod(), Cp1251("да; чтобы"));
  EXPECT_FALSE(dictionary.AutoComplete(Cp1251("дя")));
  EXPECT_EQ(errors.Nomer(), msg::kNotCompleted);
}

// "дом" is a headword on both Cyrillic sides: each entry can be found on its side and translated
// by its position, whichever the text search reaches first; reading one changes no result.
TEST_F(DictionaryTest, EachSidesEntryOfAWordOnBothSidesIsReachable) {
  BaseSource source = EnglishBulgarianSample();
  source.id = "rubgvk01";
  source.charset1 = 204;
  source.side1 = {{Cp1251("да"), Cp1251("да")}, {Cp1251("дом"), Cp1251("къща; дом")}};
  source.side2 = {{Cp1251("дом"), Cp1251("дом")}, {Cp1251("дъжд"), Cp1251("дождь")}};
  for (const IndexLoad load : {IndexLoad::kWhole, IndexLoad::kOnDemand}) {
    ASSERT_TRUE(WriteBase(folder / "rubg.vkb", source));
    ASSERT_TRUE(dictionary.Initialize("rubg.vkb", load));
    const auto russian = dictionary.FindOnSide(Cp1251("ДОМ"), 1);
    const auto bulgarian = dictionary.FindOnSide(Cp1251("дом"), 2);
    ASSERT_TRUE(russian && bulgarian);
    EXPECT_LT(*russian, dictionary.Section2Start());
    EXPECT_GE(*bulgarian, dictionary.Section2Start());
    EXPECT_EQ(dictionary.Find(Cp1251("дом")), bulgarian);
    EXPECT_FALSE(dictionary.FindOnSide(Cp1251("дъжд"), 1));
    EXPECT_FALSE(dictionary.FindOnSide(Cp1251("да"), 2));

    ASSERT_TRUE(dictionary.Translate(Cp1251("дъжд")));
    Article article;
    ASSERT_TRUE(dictionary.ReadArticle(*russian, &article));
    EXPECT_EQ(article.translation, Cp1251("къща; дом"));
    EXPECT_EQ(article.side, 1);
    EXPECT_EQ(article.wordCharset, 204);
    EXPECT_EQ(dictionary.Duma(), Cp1251("дъжд"));

    ASSERT_TRUE(dictionary.TranslateAt(*russian));
    EXPECT_EQ(dictionary.Prevod(), Cp1251("къща; дом"));
    EXPECT_EQ(dictionary.DumaSide(), 1);
    EXPECT_EQ(dictionary.DumaPosition(), *russian);
    // Recorded after "дъжд": one step back reaches it.
    ASSERT_TRUE(dictionary.MovePredna());
    EXPECT_EQ(dictionary.PredenPrevod(), Cp1251("дождь"));
    ASSERT_TRUE(dictionary.CompleteAt(*bulgarian));
    EXPECT_EQ(dictionary.Prevod(), Cp1251("дом"));
    // A position inside an entry is none.
    EXPECT_FALSE(dictionary.TranslateAt(*russian + 1));
    EXPECT_EQ(errors.Nomer(), msg::kNotFound);
    EXPECT_EQ(dictionary.Prevod(), Cp1251("дом"));

    const std::vector<std::int32_t> positions = dictionary.NeighbourPositions(1);
    ASSERT_EQ(positions.size(), 4u);
    EXPECT_EQ(positions[1], *russian);
    EXPECT_EQ(positions[2], *bulgarian);
  }
}

TEST_F(LookupTest, CompletesToTheFirstHeadwordWithThePrefix) {
  ASSERT_TRUE(dictionary.AutoComplete("hou"));
  EXPECT_EQ(dictionary.Duma(), "house");
  EXPECT_EQ(dictionary.Prevod(), Cp1251("къща; дом"));
  ASSERT_TRUE(dictionary.AutoComplete("HOUSEH"));
  EXPECT_EQ(dictionary.Duma(), "household");
  ASSERT_TRUE(dictionary.AutoComplete(Cp1251("КЪ")));
  EXPECT_EQ(dictionary.Duma(), Cp1251("къща"));
  EXPECT_EQ(dictionary.DumaCHSet(), 204);
  ASSERT_TRUE(dictionary.AutoComplete(Cp1251("п")));
  EXPECT_EQ(dictionary.Duma(), Cp1251("прозорец"));

  EXPECT_FALSE(dictionary.AutoComplete("xyz"));
  EXPECT_EQ(errors.Nomer(), msg::kNotCompleted);
  EXPECT_EQ(dictionary.Duma(), Cp1251("прозорец"));
  EXPECT_FALSE(dictionary.AutoComplete(""));
  EXPECT_EQ(errors.Nomer(), msg::kNoWord);
  // Completion records nothing.
  EXPECT_FALSE(dictionary.MovePredna());
  EXPECT_FALSE(dictionary.MoveSledvasta());
}

std::vector<std::string> Split(const std::string& list) {
  std::vector<std::string> words;
  std::size_t from = 0;
  for (std::size_t at; (at = list.find("\r\n", from)) != std::string::npos; from = at + 2) {
    words.push_back(list.substr(from, at - from));
  }
  words.push_back(list.substr(from));
  return words;
}

TEST_F(LookupTest, NeighboursSurroundTheWord) {
  ASSERT_TRUE(dictionary.Translate("house"));
  const auto words = Split(dictionary.Load5Etikets(dictionary.PredniDumi()));
  ASSERT_EQ(words.size(), 9u);
  EXPECT_EQ(words[4], "house");
  EXPECT_EQ(words[5], "houseboat");
}

TEST_F(DictionaryTest, NeighboursReachBackPastLongHeadwords) {
  // Four treaty names before the one looked up span more than 255 bytes of index.
  BaseSource source = EnglishBulgarianSample();
  const std::pair<const char*, const char*> treaties[] = {
      {"Convention against Torture and Other Cruel, Inhuman or Degrading Treatment or Punishment",
       "Конвенция против изтезанията и други форми на жестоко, нечовешко или унизително "
       "отнасяне или наказание"},
      {"Convention for the Protection of Human Rights and Fundamental Freedoms",
       "Конвенция за защита на правата на човека и основните свободи"},
      {"Convention on the Elimination of All Forms of Discrimination against Women",
       "Конвенция за премахване на всички форми на дискриминация по отношение на жените"},
      {"Convention on the Rights of Persons with Disabilities",
       "Конвенция за правата на хората с увреждания"},
      {"Convention on the Rights of the Child", "Конвенция за правата на детето"},
      {"Convention relating to the Status of Refugees", "Конвенция за статута на бежанците"},
  };
  for (const auto& [name, translation] : treaties)
    source.side1.push_back({name, Cp1251(translation)});
  ASSERT_TRUE(Load(source));

  ASSERT_TRUE(dictionary.Translate("convention on the rights of the child"));
  const std::int32_t start = dictionary.PredniDumi();
  const auto position = static_cast<std::int32_t>(
      dictionary.BazaDumi().find("#Convention on the Rights of the Child$") + 1);
  EXPECT_GT(position - start, 255);
  const auto words = Split(dictionary.Load5Etikets(start));
  ASSERT_EQ(words.size(), 9u);
  EXPECT_EQ(words[0], treaties[0].first);
  EXPECT_EQ(words[4], treaties[4].first);
  EXPECT_EQ(words[5], treaties[5].first);
}

TEST_F(LookupTest, NeighboursRunIntoSection2AndStopAtTheEnd) {
  ASSERT_TRUE(dictionary.Translate("zebra"));
  const std::int32_t start = dictionary.PredniDumi();
  const auto words = Split(dictionary.Load5Etikets(start));
  ASSERT_EQ(words.size(), 9u);
  EXPECT_EQ(words[4], "zebra");
  EXPECT_EQ(words[5], "OK");  // section 2 opens with its Latin group
  EXPECT_EQ(dictionary.NeighbourCharsets(start),
            (std::vector<int>{0, 0, 0, 0, 0, 204, 204, 204, 204}));

  ASSERT_TRUE(dictionary.Translate(Cp1251("ябълка")));  // the last entry of the base
  const std::string tail = dictionary.Load5Etikets(dictionary.PredniDumi());
  EXPECT_EQ(Split(tail).size(), 5u);
  EXPECT_NE(tail.substr(tail.size() - 2), "\r\n");
}

TEST_F(LookupTest, EntriesAreNumberedAcrossBothSides) {
  const std::int32_t count = dictionary.EntryCount();
  ASSERT_GT(count, 9);
  EXPECT_EQ(dictionary.EntryPosition(0), 1);
  EXPECT_EQ(dictionary.EntryNumber(1), 0);
  ASSERT_TRUE(dictionary.Translate("zebra"));
  const std::int32_t middle = dictionary.EntryNumber(dictionary.PredniDumi()) + 4;
  EXPECT_EQ(Split(dictionary.Load5Etikets(dictionary.EntryPosition(middle)))[0], "zebra");
  // The entry after the last of side 1 opens side 2.
  EXPECT_EQ(Split(dictionary.Load5Etikets(dictionary.EntryPosition(middle + 1)))[0], "OK");
  const std::int32_t last = dictionary.EntryPosition(count - 1);
  EXPECT_EQ(dictionary.Load5Etikets(last), Cp1251("ябълка"));
  EXPECT_EQ(dictionary.EntryNumber(last), count - 1);
  for (const std::int32_t beyond : {-1, count, count + 100}) {
    EXPECT_EQ(dictionary.EntryPosition(beyond), 0) << beyond;
  }
  EXPECT_EQ(dictionary.EntryNumber(dictionary.PredniDumi() + 1), -1);
  EXPECT_EQ(dictionary.EntryNumber(0), -1);
}

TEST_F(LookupTest, ANeighbourStartOffAnEntryIsAnError) {
  ASSERT_TRUE(dictionary.Translate("house"));
  for (const std::int32_t bad : {dictionary.PredniDumi() + 1, 0, -5, 1 << 30}) {
    errors.Clear();
    EXPECT_EQ(dictionary.Load5Etikets(bad), "") << bad;
    EXPECT_EQ(errors.Nomer(), msg::kBaseError) << bad;
  }
}

TEST_F(LookupTest, HistoryRecordsTranslatedWords) {
  for (const char* word : {"door", "tree", "cat"}) ASSERT_TRUE(dictionary.Translate(word));
  ASSERT_TRUE(dictionary.MovePredna());
  EXPECT_EQ(dictionary.PrednaDuma(), "tree");
  EXPECT_EQ(dictionary.PredenPrevod(), Cp1251("дърво"));
  EXPECT_EQ(dictionary.HistCharset1(), 0);
  EXPECT_EQ(dictionary.HistCharset2(), 204);
  EXPECT_EQ(Split(dictionary.Load5Etikets(dictionary.PrednaPredni5()))[4], "tree");
  EXPECT_EQ(dictionary.Duma(), "cat");  // stepping leaves the current result alone
  ASSERT_TRUE(dictionary.MoveSledvasta());
  EXPECT_EQ(dictionary.PrednaDuma(), "cat");
}

}  // namespace
}  // namespace vokabi::test
