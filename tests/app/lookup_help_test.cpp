// Base forms from Hunspell dictionaries made by the tests, and the lookups that use them.
#include "app/lookup_help.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <atomic>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/base_forms.h"
#include "app/error_class.h"
#include "app/hunspell_check.h"
#include "app/system_case_map.h"
#include "app/within_time.h"
#include "platform/codepage.h"
#include "tests/support/base_files.h"
#include "tests/support/sample_base.h"
#include "tests/support/temp_folder.h"

namespace vokabi::test {
namespace {

using Words = std::vector<std::string>;

// A Hunspell dictionary of a few words in the folder: an affix file with one suffix rule per
// flag, and the word list. Texts are bytes in the dictionary's own encoding.
void WriteSpeller(const std::filesystem::path& folder, const std::string& name,
                  const std::string& aff, const Words& words) {
  std::ofstream(folder / (name + ".aff"), std::ios::binary) << aff;
  std::ofstream dic(folder / (name + ".dic"), std::ios::binary);
  dic << words.size() << '\n';
  for (const std::string& word : words) dic << word << '\n';
}

const char* const kPlural = "SET UTF-8\nSFX S Y 1\nSFX S 0 s .\n";

TEST(BaseFormsTest, StemsInTheDictionarysEncodingAndOrder) {
  TempFolder folder;
  WriteSpeller(folder.Path(), "en_US", kPlural, {"cat/S", "house/S", "houses"});
  // Latin-1 on disk, UTF-8 in and out.
  WriteSpeller(folder.Path(), "fr_FR", "SET ISO8859-1\nSFX S Y 1\nSFX S 0 s .\n", {"caf\xe9/S"});
  BaseForms forms({folder.Path()});
  EXPECT_EQ(forms.Of("en", "cats"), Words{"cat"});
  EXPECT_EQ(forms.Of("en", "cat"), Words{});  // the word itself is no base form of it
  EXPECT_EQ(forms.Of("en", "houses"), Words{"house"});
  EXPECT_EQ(forms.Of("fr", "cafés"), Words{"café"});
  EXPECT_EQ(forms.Of("en", ""), Words{});
  // No dictionary, a name that is no language code: nothing, silently.
  EXPECT_FALSE(forms.Knows("de"));
  EXPECT_EQ(forms.Of("de", "Häuser"), Words{});
  EXPECT_FALSE(forms.Knows("../en"));
  EXPECT_FALSE(forms.Knows("EN"));
}

TEST(BaseFormsTest, FoldersInOrderAndNothingButOrdinaryFiles) {
  TempFolder first, second;
  WriteSpeller(first.Path(), "en", kPlural, {"dog/S"});
  WriteSpeller(second.Path(), "en_US", kPlural, {"cat/S"});
  EXPECT_EQ(BaseForms({first.Path(), second.Path()}).Of("en", "dogs"), Words{"dog"});
  EXPECT_EQ(BaseForms({second.Path(), first.Path()}).Of("en", "dogs"), Words{});

  // A FIFO in a dictionary's place would hold Hunspell for ever; the next folder serves.
  TempFolder fifo;
  WriteSpeller(fifo.Path(), "en_US", kPlural, {"cow/S"});
  std::filesystem::remove(fifo / "en_US.dic");
  ASSERT_EQ(mkfifo((fifo / "en_US.dic").c_str(), 0600), 0);
  EXPECT_EQ(BaseForms({fifo.Path(), second.Path()}).Of("en", "cats"), Words{"cat"});
}

TEST(BaseFormsTest, KeepsOnlyTheMostRecentDictionariesLoaded) {
  TempFolder folder;
  const Words languages = {"bg", "de", "en", "es", "fr", "it"};
  for (const std::string& language : languages)
    WriteSpeller(folder.Path(), language, kPlural, {"x" + language + "/S"});
  BaseForms forms({folder.Path()});
  for (const std::string& language : languages) ASSERT_TRUE(forms.Knows(language));
  for (const std::string& language : languages) {
    std::filesystem::remove(folder / (language + ".aff"));
    std::filesystem::remove(folder / (language + ".dic"));
  }
  // The last four stay in memory; the first two went and cannot be read again.
  for (std::size_t i = 0; i < languages.size(); ++i) {
    const std::string& language = languages[languages.size() - 1 - i];
    EXPECT_EQ(forms.Knows(language), i < BaseForms::kLoaded) << language;
  }
}

// A dictionary Hunspell would take minutes over or throw on is left out with a line on standard
// error, as if it were not there; the next folder's serves.
TEST(BaseFormsTest, DictionariesThatLieAboutTheirSizeAreLeftOut) {
  TempFolder good;
  WriteSpeller(good.Path(), "en_US", kPlural, {"cat/S"});
  std::vector<std::pair<std::string, std::string>> lies;  // .aff, .dic
  // A word count of 1 before 100,000 words: every word in a handful of hash chains.
  std::string many = "1\n";
  for (int i = 0; i < 100000; ++i) many += "w" + std::to_string(i) + "/S\n";
  lies.emplace_back(kPlural, many);
  // A count far beyond the words: Hunspell reserves room for all of them.
  lies.emplace_back(kPlural, "200000000\ncat/S\n");
  lies.emplace_back(kPlural, "cat/S\n");
  // Tables of 2147483647 lines, which Hunspell reserves and fails on with std::bad_alloc.
  for (const char* table : {"REP", "MAP", "BREAK", "COMPOUNDRULE", "CHECKCOMPOUNDPATTERN"})
    lies.emplace_back(std::string(kPlural) + table + " 2147483647\n", "1\ncat/S\n");
  lies.emplace_back("SET UTF-8\nSFX S Y 2147483647\nSFX S 0 s .\n", "1\ncat/S\n");
  for (const auto& [aff, dic] : lies) {
    TempFolder lying;
    std::ofstream(lying / "en_US.aff", std::ios::binary) << aff;
    std::ofstream(lying / "en_US.dic", std::ios::binary) << dic;
    testing::internal::CaptureStderr();
    BaseForms forms({lying.Path(), good.Path()});
    EXPECT_EQ(forms.Of("en", "cats"), Words{"cat"}) << aff;
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("Hunspell dictionary " + (lying / "en_US").string() + " left out: "),
              std::string::npos)
        << said;
    EXPECT_EQ(BaseForms({lying.Path()}).Knows("en"), false);
  }
}

// The system's own dictionaries are sound, word counts and tables alike.
TEST(BaseFormsTest, RealDictionariesPassTheChecks) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/usr/share/hunspell", error)) {
    if (entry.path().extension() != ".aff") continue;
    std::filesystem::path dic = entry.path();
    dic.replace_extension(".dic");
    EXPECT_EQ(HunspellFault(entry.path(), dic), "") << entry.path();
  }
}

TEST(BaseFormsTest, WorkBeyondItsTimeIsGivenUp) {
  auto release = std::make_shared<std::atomic<bool>>(false);
  auto ended = std::make_shared<std::atomic<bool>>(false);
  const auto slow = WithinTime<int>(std::chrono::milliseconds(50), [release, ended] {
    while (!release->load()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ended->store(true);
    return std::make_unique<int>(1);
  });
  EXPECT_EQ(slow, nullptr);
  // Let go, it ends on its own, its result thrown away.
  release->store(true);
  for (int i = 0; i < 1000 && !ended->load(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_TRUE(ended->load());
  const auto quick =
      WithinTime<int>(std::chrono::seconds(60), [] { return std::make_unique<int>(2); });
  ASSERT_NE(quick, nullptr);
  EXPECT_EQ(*quick, 2);
}

TEST(LookupHelpTest, SideLanguagesComeFromTheBaseIdentity) {
  EXPECT_EQ(SideLanguage("enbgvk01", 1), "en");
  EXPECT_EQ(SideLanguage("enbgvk01", 2), "bg");
  EXPECT_EQ(SideLanguage("SPBGVK01", 1), "es");
  EXPECT_EQ(SideLanguage("rubg", 1), "ru");
  EXPECT_EQ(SideLanguage("xxbgvk01", 1), "");
  EXPECT_EQ(SideLanguage("en", 1), "");
  EXPECT_EQ(SideLanguage("enbgvk01", 3), "");
}

class TranslateWithHelpTest : public ::testing::Test {
 protected:
  bool Load(const BaseSource& source) {
    return WriteBase(bases / "base.vkb", source) && dictionary.Initialize("base.vkb");
  }
  bool Look(std::string_view word, bool suggest = true) {
    errors.Clear();
    return TranslateWithHelp(dictionary, errors, &forms, word, suggest, &help);
  }

  TempFolder bases, spellers;
  ErrorClass errors;
  MakeCrypto crypto{errors};
  Dictionary dictionary{crypto, errors, bases.Path(), SystemCaseMap};
  BaseForms forms{{spellers.Path()}};
  LookupHelp help;
};

TEST_F(TranslateWithHelpTest, AMissIsLookedUpByItsBaseFormsTrimmed) {
  WriteSpeller(spellers.Path(), "en_US", kPlural, {"house/S", "cat/S"});
  ASSERT_TRUE(Load(EnglishBulgarianSample()));
  ASSERT_TRUE(Look(" Houses."));
  EXPECT_TRUE(help.baseForm);
  EXPECT_EQ(help.missed, "Houses");
  EXPECT_EQ(dictionary.Duma(), "house");
  EXPECT_EQ(dictionary.Prevod(), platform::EncodeCharset(204, "къща; дом").bytes);

  // Found as typed: no help. Not found for another reason: that reason stands.
  ASSERT_TRUE(Look("cat"));
  EXPECT_FALSE(help.baseForm);
  EXPECT_FALSE(Look("  "));
  EXPECT_EQ(errors.Nomer(), msg::kNoWord);
  EXPECT_TRUE(help.suggestions.empty());
  // No base form the base has: message 5 and the close headwords.
  EXPECT_FALSE(Look("hoses"));
  EXPECT_EQ(errors.Nomer(), msg::kNotFound);
  EXPECT_FALSE(help.baseForm);
  EXPECT_NE(std::find(help.suggestions.begin(), help.suggestions.end(), "house"),
            help.suggestions.end());
  EXPECT_EQ(help.suggestionCharset, 0);
}

TEST_F(TranslateWithHelpTest, BothSidesLanguagesWhereTheyWriteAlike) {
  // Russian and Bulgarian are both Cyrillic: a Russian word is guessed for the Bulgarian side.
  WriteSpeller(spellers.Path(), "ru_RU", "SET UTF-8\nSFX I Y 1\nSFX I а и а\n", {"собака/I"});
  BaseSource source;
  source.id = "rubgvk01";
  source.key = "both-cyrillic";
  source.charset1 = 204;
  source.side1 = {{platform::EncodeCharset(204, "собака").bytes, "куче"}};
  source.side2 = {{platform::EncodeCharset(204, "куче").bytes, "собака"}};
  ASSERT_TRUE(Load(source));
  const std::string typed = platform::EncodeCharset(204, "собаки").bytes;
  ASSERT_TRUE(Look(typed));
  EXPECT_TRUE(help.baseForm);
  EXPECT_EQ(dictionary.Duma(), platform::EncodeCharset(204, "собака").bytes);
  EXPECT_EQ(help.missedCharset, 204);
}

std::string Cyr(const char* utf8) {
  return platform::EncodeCharset(204, utf8).bytes;
}

TEST_F(TranslateWithHelpTest, AWordOnBothSidesBringsTheOtherSidesArticle) {
  ASSERT_TRUE(Load(RussianBulgarianSample()));
  // The search finds the Bulgarian "стол" first, as ever; the Russian article comes along.
  ASSERT_TRUE(Look(Cyr("стол")));
  EXPECT_EQ(dictionary.DumaSide(), 2);
  EXPECT_EQ(dictionary.Prevod(), Cyr("стул"));
  ASSERT_TRUE(help.also);
  EXPECT_EQ(help.also->side, 1);
  EXPECT_EQ(help.also->word, Cyr("стол"));
  EXPECT_EQ(help.also->translation, Cyr("маса"));
  EXPECT_EQ(help.also->position, *dictionary.FindOnSide(Cyr("стол"), 1));
  // Reading the other article changed nothing of the result.
  EXPECT_EQ(dictionary.Prevod(), Cyr("стул"));
  EXPECT_EQ(dictionary.PrednaDuma(), Cyr("стол"));
  EXPECT_EQ(errors.Nomer(), msg::kNone);

  // The Russian entry by its position: that side's article first, the Bulgarian one along.
  errors.Clear();
  ASSERT_TRUE(TranslateEntry(dictionary, errors, help.also->position, &help));
  EXPECT_EQ(dictionary.DumaSide(), 1);
  EXPECT_EQ(dictionary.Prevod(), Cyr("маса"));
  ASSERT_TRUE(help.also);
  EXPECT_EQ(help.also->translation, Cyr("стул"));

  // On one side only: answered exactly as before.
  ASSERT_TRUE(Look(Cyr("собака")));
  EXPECT_EQ(dictionary.Prevod(), Cyr("куче"));
  EXPECT_FALSE(help.also);
}

TEST_F(TranslateWithHelpTest, SidesOfDifferentCharacterSetsNeverBringAnotherArticle) {
  // "OK" is a headword on both sides of the sample, English and Bulgarian.
  ASSERT_TRUE(Load(EnglishBulgarianSample()));
  ASSERT_TRUE(Look("OK"));
  EXPECT_FALSE(help.also);
}

TEST_F(TranslateWithHelpTest, SuggestionsKnowTheirEntries) {
  ASSERT_TRUE(Load(EnglishBulgarianSample()));
  EXPECT_FALSE(Look("hosue"));
  ASSERT_FALSE(help.suggestions.empty());
  ASSERT_EQ(help.suggestionPositions.size(), help.suggestions.size());
  Article article;
  ASSERT_TRUE(dictionary.ReadArticle(help.suggestionPositions[0], &article));
  EXPECT_EQ(article.word, help.suggestions[0]);
}

TEST_F(TranslateWithHelpTest, AWordFormWhileTypingOnlyFromALoadedDictionary) {
  WriteSpeller(spellers.Path(), "bg_BG", "SET UTF-8\nSFX I Y 1\nSFX I а и а\n", {"къща/I"});
  BaseSource source = EnglishBulgarianSample();
  source.side2.push_back({Cyr("къщичка"), "cottage"});
  ASSERT_TRUE(Load(source));
  const std::string typed = Cyr("къщи");
  // Not read yet: no answer, and no waiting for it.
  EXPECT_FALSE(LoadedBaseFormEntry(dictionary, forms, typed));
  forms.LoadInBackground({"bg"});
  forms.WaitForBackground();
  const auto position = LoadedBaseFormEntry(dictionary, forms, typed);
  ASSERT_TRUE(position);
  EXPECT_EQ(*position, *dictionary.Find(Cyr("къща")));
  // A headword, a fragment, a form of nothing in the base: no such entry.
  EXPECT_FALSE(LoadedBaseFormEntry(dictionary, forms, Cyr("къща")));
  EXPECT_FALSE(LoadedBaseFormEntry(dictionary, forms, Cyr("къщ")));
  EXPECT_FALSE(LoadedBaseFormEntry(dictionary, forms, Cyr("маси")));
}

}  // namespace
}  // namespace vokabi::test
