// The six default bases as scripts/bases builds them from Debian's FreeDict databases, where those
// are installed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/base_forms.h"
#include "app/error_class.h"
#include "app/lookup_help.h"
#include "app/system_case_map.h"
#include "engine/dictionary.h"
#include "platform/codepage.h"
#include "platform/spelling_folders.h"
#include "tests/support/missing_component.h"
#include "tests/support/temp_folder.h"
#include "tests/tools/default_bases_folder.h"

namespace vokabi::test {
namespace {

namespace fs = std::filesystem;

const char* const kDatabases[] = {"eng-bul", "deu-bul", "fra-bul", "ita-bul", "spa-eng",
                                  "eng-spa", "spa-deu", "deu-spa", "fra-spa", "ita-spa",
                                  "eng-rus", "deu-rus", "fra-rus", "ita-rus"};

// name, side-1 words at least, side-2 words at least (a tenth under today's counts).
const std::tuple<const char*, int, int> kBases[] = {{"enbg", 25000, 29000}, {"debg", 9000, 9000},
                                                    {"frbg", 15000, 14700}, {"itbg", 15700, 11600},
                                                    {"esbg", 8400, 7900},   {"rubg", 6100, 5800}};

std::string W1251(const char* utf8) {
  return platform::EncodeCharset(204, utf8).bytes;
}

class DefaultBasesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (const char* name : kDatabases) {
      if (!fs::exists(fs::path("/usr/share/dictd") / ("freedict-" + std::string(name) + ".index")))
        return;
    }
    folder_ = new TempFolder;
    built_ = FillWithDefaultBases(folder_->Path(), VKB_BINARY, BASES_SCRIPT);
  }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }

  void SetUp() override {
    if (!folder_) VOKABI_SKIP_WITHOUT("the FreeDict packages of scripts/packages.sh");
    ASSERT_TRUE(built_) << "scripts/bases failed; see " << (*folder_ / "bases.log");
  }

  bool Load(const std::string& name) {
    dictionary = std::make_unique<Dictionary>(crypto, errors, folder_->Path(), SystemCaseMap);
    return dictionary->Initialize(name + ".vkb");
  }

  static TempFolder* folder_;
  static bool built_;
  ErrorClass errors;
  MakeCrypto crypto{errors};
  std::unique_ptr<Dictionary> dictionary;
};

TempFolder* DefaultBasesTest::folder_ = nullptr;
bool DefaultBasesTest::built_ = false;

TEST_F(DefaultBasesTest, AllSixLoadWithTheirCountsAndDefinedBytesOnly) {
  for (const auto& [name, least1, least2] : kBases) {
    ASSERT_TRUE(Load(name)) << name;
    EXPECT_GE(dictionary->BroiDumi1(), least1) << name;
    EXPECT_GE(dictionary->BroiDumi2(), least2) << name;
    const std::string& index = dictionary->BazaDumi();
    int counts[2] = {0, 0};
    for (std::size_t at = 0; at < index.size();) {
      const std::size_t end = index.find('$', at);
      ASSERT_NE(end, std::string::npos) << name;
      const int side = static_cast<std::int32_t>(at) + 1 < dictionary->Section2Start() ? 1 : 2;
      ++counts[side - 1];
      const std::string headword = index.substr(at + 1, end - at - 1);
      const int charset = side == 1 ? dictionary->Charset1() : dictionary->Charset2();
      ASSERT_EQ(platform::DecodeCharset(charset, headword).undefined, 0u) << name;
      // Translations are deciphered one by one: a sample of them.
      if (counts[side - 1] % 97 == 0 && dictionary->Translate(headword)) {
        ASSERT_EQ(
            platform::DecodeCharset(dictionary->PrevodCHSet(), dictionary->Prevod()).undefined, 0u)
            << name << " " << platform::DecodeCharset(charset, headword).utf8;
      }
      at = end + 7;
    }
    EXPECT_EQ(counts[0], dictionary->BroiDumi1()) << name;
    EXPECT_EQ(counts[1], dictionary->BroiDumi2()) << name;
  }
}

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST_F(DefaultBasesTest, SpanishAndRussianAreFoundBothWays) {
  ASSERT_TRUE(Load("esbg"));
  EXPECT_EQ(dictionary->LanguageNames()[1], "Spanish,Bulgarian");
  for (const char* word : {"casa", "CASA"}) {
    ASSERT_TRUE(dictionary->Translate(word)) << word;
    EXPECT_TRUE(Has(dictionary->Prevod(), W1251("къща")) ||
                Has(dictionary->Prevod(), W1251("дом")));
    // The pivot words that led there, on the article's second line.
    EXPECT_TRUE(Has(dictionary->Prevod(), "\r\nde: Haus"));
  }
  ASSERT_TRUE(dictionary->Translate(W1251("къща")));
  EXPECT_EQ(dictionary->DumaCHSet(), 204);
  EXPECT_EQ(dictionary->PrevodCHSet(), 0);
  EXPECT_TRUE(Has(dictionary->Prevod(), "casa"));

  ASSERT_TRUE(Load("rubg"));
  EXPECT_EQ(dictionary->LanguageNames()[1], "Russian,Bulgarian");
  // Bulgarian has дом too: typed in lower case it is the Bulgarian headword, as the search from
  // the guessed side finds it; capitals look on the Russian side first.
  for (const char* word : {"дом", "ДОМ", "Дом"}) {
    ASSERT_TRUE(dictionary->Translate(W1251(word))) << word;
    EXPECT_TRUE(Has(dictionary->Prevod(), W1251("къща")) || Has(dictionary->Prevod(), W1251("дом")))
        << word;
  }
  ASSERT_TRUE(dictionary->Translate(W1251("ДОМ")));
  EXPECT_EQ(dictionary->Prevod().substr(0, 9), W1251("къща, дом"));
  // A Russian word that Bulgarian lacks, typed in lower case, is found on side 1 all the same.
  ASSERT_TRUE(dictionary->Translate(W1251("собака")));
  EXPECT_TRUE(Has(dictionary->Prevod(), W1251("куче")));
  EXPECT_LT(dictionary->PredniDumi(), dictionary->Section2Start());
  ASSERT_TRUE(dictionary->AutoComplete(W1251("собак")));
  EXPECT_EQ(dictionary->Duma(), W1251("собака"));

  ASSERT_TRUE(dictionary->Translate(W1251("къща")));
  EXPECT_EQ(dictionary->DumaCHSet(), 204);
  EXPECT_TRUE(Has(dictionary->Prevod(), W1251("дом")));
}

// Lines of an article, its sense number taken off.
std::vector<std::string> ArticleLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
    lines.push_back(text.substr(from, at - from));
  lines.push_back(text.substr(from));
  return lines;
}

bool LoneSenseNumber(const std::string& s) {
  return s.size() >= 2 && s.size() <= 3 && s.back() == '.' &&
         s.find_first_not_of("0123456789") == s.size() - 1;
}

// What a reader should never meet in an article: the same term twice in a line, a sense number
// that does not start its line, markup.
std::string Blemish(const std::string& article) {
  for (const std::string& line : ArticleLines(article)) {
    if (Has(line, "}}") || Has(line, "{{") || Has(line, "http") || Has(line, "[[")) return line;
    // A part-of-speech tag: "<n>", "<adj>" …
    const std::size_t open = line.find('<');
    const std::size_t close = open == std::string::npos ? open : line.find('>', open);
    if (close != std::string::npos && close > open + 1 &&
        line.find_first_not_of("abcdefghijklmnopqrstuvwxyz, ", open + 1) == close)
      return line;
    if (LoneSenseNumber(line)) return line;
    const std::size_t space = line.rfind(' ');
    if (space != std::string::npos && LoneSenseNumber(line.substr(space + 1)) && line[0] >= '0' &&
        line[0] <= '9')
      return line;
    // Terms: the Bulgarian lines of an article (explanations are in the other language, and
    // headwords listed on side 2 may hold commas themselves), and each pivot's words.
    const bool latin = line.find_first_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ") !=
                       std::string::npos;
    const bool pivots = line.size() > 3 && line[2] == ':';
    if (latin && !pivots) continue;
    std::string segment;
    for (const char part : line + ";") {
      if (part != ';') {
        segment += part;
        continue;
      }
      if (pivots && segment.find(':') != std::string::npos) segment.erase(0, segment.find(':') + 1);
      std::vector<std::string> terms;
      std::string term;
      int depth = 0;
      for (const char c : segment + ",") {
        if (c == '(') ++depth;
        if (c == ')') --depth;
        if (c == ',' && depth == 0) {
          const std::size_t first = term.find_first_not_of(' ');
          const std::string trimmed =
              first == std::string::npos
                  ? ""
                  : term.substr(first, term.find_last_not_of(' ') - first + 1);
          if (!trimmed.empty() && std::find(terms.begin(), terms.end(), trimmed) != terms.end())
            return line;
          terms.push_back(trimmed);
          term.clear();
        } else {
          term += c;
        }
      }
      segment.clear();
    }
  }
  return {};
}

TEST_F(DefaultBasesTest, ArticlesReadCleanly) {
  for (const auto& [name, least1, least2] : kBases) {
    ASSERT_TRUE(Load(name)) << name;
    int checked = 0;
    for (const int side : {1, 2}) {
      std::vector<std::string> words;
      for (const std::string_view word : dictionary->Headwords(side)) words.emplace_back(word);
      for (const std::string& word : words) {
        ASSERT_TRUE(dictionary->Translate(word)) << name;
        const std::string article =
            platform::DecodeCharset(dictionary->PrevodCHSet(), dictionary->Prevod()).utf8;
        const std::string blemish = Blemish(article);
        EXPECT_EQ(blemish, "") << name << " "
                               << platform::DecodeCharset(dictionary->DumaCHSet(), word).utf8
                               << ":\n"
                               << article;
        if (!blemish.empty() && ++checked > 5) FAIL() << "and more";
      }
    }
  }
  // Words a code page lacks letters for keep their sense: schön is schoen, not schon.
  ASSERT_TRUE(Load("debg"));
  ASSERT_TRUE(dictionary->Translate("Huri"));
  EXPECT_TRUE(Has(dictionary->Prevod(), "blendend schoen")) << dictionary->Prevod();
  ASSERT_TRUE(dictionary->Translate("Haus"));
  EXPECT_TRUE(Has(dictionary->Prevod(), "Gebaeude"));
  EXPECT_TRUE(Has(dictionary->Prevod(), W1251("къща")));
  EXPECT_EQ(dictionary->Prevod().substr(0, 9), "n., neut.");
}

TEST_F(DefaultBasesTest, NeighboursFollowTheLanguagesOrder) {
  ASSERT_TRUE(Load("esbg"));
  const std::string accented = platform::EncodeCharset(0, "carácter").bytes;
  ASSERT_TRUE(dictionary->Translate("cara"));
  const std::int32_t cara = dictionary->PredniDumi();
  ASSERT_TRUE(dictionary->Translate(accented));
  const std::int32_t caracter = dictionary->PredniDumi();
  ASSERT_TRUE(dictionary->Translate("casa"));
  EXPECT_LT(cara, caracter);
  EXPECT_LT(caracter, dictionary->PredniDumi());
  // carácter's neighbours are its Spanish ones: caracol before it, característico after.
  ASSERT_TRUE(dictionary->Translate(accented));
  const std::string list = dictionary->Load5Etikets(dictionary->PredniDumi());
  const std::size_t at = list.find("\r\n" + accented + "\r\n");
  ASSERT_NE(at, std::string::npos) << list;
  const std::size_t before = list.rfind("\r\n", at - 1);
  EXPECT_EQ(list.substr(before == std::string::npos ? 0 : before + 2, 4), "cara") << list;
}

// The lookups a user makes: words found as typed, inflected forms, typing mistakes.
class MissedWordsTest : public DefaultBasesTest {
 protected:
  MissedWordsTest() : forms(platform::SpellingFolders({})) {}

  // TranslateWithHelp on the loaded base, the word in UTF-8 and encoded as the window does.
  bool Look(const std::string& utf8, bool suggest = true) {
    const std::string word =
        platform::EncodeForBase(utf8, dictionary->Charset1(), dictionary->Charset2());
    errors.Clear();
    return TranslateWithHelp(*dictionary, errors, &forms, word, suggest, &help);
  }
  std::string Shown() const {
    return platform::DecodeCharset(dictionary->DumaCHSet(), dictionary->Duma()).utf8;
  }
  std::vector<std::string> Suggested() const {
    std::vector<std::string> words;
    for (const std::string& word : help.suggestions)
      words.push_back(platform::DecodeCharset(help.suggestionCharset, word).utf8);
    return words;
  }

  BaseForms forms;
  LookupHelp help;
};

TEST_F(MissedWordsTest, InflectedFormsAreFoundThroughTheirBaseForms) {
  for (const char* language : {"en", "bg", "de", "fr", "ru"})
    ASSERT_TRUE(forms.Knows(language))
        << "no Hunspell dictionary for " << language << "; scripts/packages.sh installs them";
  const std::tuple<const char*, const char*, const char*> kCases[] = {
      {"enbg", "houses", "house"},  {"enbg", "cities", "city"},  {"enbg", "къщата", "къща"},
      {"enbg", "къщи", "къща"},     {"debg", "Häuser", "Haus"},  {"frbg", "maisons", "maison"},
      {"rubg", "собаки", "собака"}, {"enbg", "Houses.", "house"}};
  for (const auto& [base, typed, headword] : kCases) {
    ASSERT_TRUE(Load(base));
    ASSERT_TRUE(Look(typed)) << base << " " << typed << ": message " << errors.Nomer();
    EXPECT_TRUE(help.baseForm) << typed;
    EXPECT_EQ(Shown(), headword) << typed;
    // The result is the headword's own, as if it had been typed.
    const std::string translation = dictionary->Prevod();
    const std::int32_t position = dictionary->PredniDumi();
    ASSERT_TRUE(dictionary->Translate(dictionary->Duma()));
    EXPECT_EQ(dictionary->Prevod(), translation) << typed;
    EXPECT_EQ(dictionary->PredniDumi(), position) << typed;
  }

  // The Russian base has "войска" (army) itself, though it is a form of войско too: a word
  // found stays as it is found.
  ASSERT_TRUE(Load("rubg"));
  ASSERT_TRUE(Look("войска"));
  EXPECT_FALSE(help.baseForm);
  EXPECT_EQ(Shown(), "войска");

  // Without a Hunspell dictionary a miss stays a miss, silently.
  BaseForms none({});
  ASSERT_TRUE(Load("enbg"));
  errors.Clear();
  EXPECT_FALSE(TranslateWithHelp(*dictionary, errors, &none, "houses", false, &help));
  EXPECT_EQ(errors.Nomer(), msg::kNotFound);
  EXPECT_FALSE(help.baseForm);
}

// Russian words that are Bulgarian headwords too: the Bulgarian article the search finds first,
// and the Russian one beside it, reachable by its own entry.
TEST_F(MissedWordsTest, RussianWordsWrittenAlikeInBulgarianBringBothArticles) {
  ASSERT_TRUE(Load("rubg"));
  for (const char* word : {"стол", "неделя", "живот", "дом"}) {
    ASSERT_TRUE(Look(word)) << word;
    ASSERT_TRUE(help.also) << word;
    EXPECT_EQ(help.also->side, 3 - dictionary->DumaSide()) << word;
    EXPECT_EQ(platform::DecodeCharset(204, help.also->word).utf8, word);
    const std::int32_t russian = *dictionary->FindOnSide(W1251(word), 1);
    EXPECT_EQ(help.also->side == 1 ? help.also->position : dictionary->DumaPosition(), russian);
    // The Russian entry, translated by its position, is the Russian article.
    const std::string article =
        help.also->side == 1 ? help.also->translation : dictionary->Prevod();
    ASSERT_TRUE(TranslateEntry(*dictionary, errors, russian, &help)) << word;
    EXPECT_EQ(dictionary->DumaSide(), 1);
    EXPECT_EQ(dictionary->Prevod(), article) << word;
    ASSERT_TRUE(help.also) << word;
    EXPECT_EQ(help.also->side, 2);
  }
  ASSERT_TRUE(Look("собака"));
  EXPECT_FALSE(help.also);
}

TEST_F(MissedWordsTest, TypingMistakesAreAnsweredWithCloseHeadwords) {
  ASSERT_TRUE(Load("enbg"));
  const std::tuple<const char*, const char*> kCases[] = {
      {"hosue", "house"}, {"recieve", "receive"}, {"къшта", "къща"}, {"HOSUE", "house"}};
  for (const auto& [typed, wanted] : kCases) {
    EXPECT_FALSE(Look(typed)) << typed;
    EXPECT_EQ(errors.Nomer(), msg::kNotFound) << typed;
    EXPECT_FALSE(help.baseForm);
    const std::vector<std::string> words = Suggested();
    EXPECT_LE(words.size(), 9u);
    EXPECT_NE(std::find(words.begin(), words.end(), wanted), words.end()) << typed;
  }
  EXPECT_FALSE(Look("qzxjvqzxjv"));
  EXPECT_TRUE(help.suggestions.empty());
  // Completion's misses and the copied text's do not ask for them.
  EXPECT_FALSE(Look("hosue", false));
  EXPECT_TRUE(help.suggestions.empty());
}

TEST_F(MissedWordsTest, EveryHeadwordIsFoundExactlyAsWithoutHelp) {
  for (const auto& [name, least1, least2] : kBases) {
    ASSERT_TRUE(Load(name)) << name;
    // Each headword as stored, and in capitals: a lookup found without help is found alike.
    std::vector<std::pair<std::string, bool>> words;
    for (const int side : {1, 2}) {
      const CaseMap& rules = dictionary->CaseRules(side);
      for (const std::string_view word : dictionary->Headwords(side)) {
        words.emplace_back(word, true);
        std::string upper(word);
        for (char& c : upper) c = static_cast<char>(rules.upper[static_cast<unsigned char>(c)]);
        if (upper != word) words.emplace_back(std::move(upper), false);
      }
    }
    for (const auto& [word, stored] : words) {
      errors.Clear();
      const bool found = dictionary->Translate(word);
      ASSERT_TRUE(found || !stored) << name << " " << word;
      if (!found) continue;
      const std::string duma = dictionary->Duma();
      const std::string prevod = dictionary->Prevod();
      const std::int32_t position = dictionary->PredniDumi();
      errors.Clear();
      ASSERT_TRUE(TranslateWithHelp(*dictionary, errors, &forms, word, true, &help)) << word;
      ASSERT_FALSE(help.baseForm) << word;
      ASSERT_EQ(dictionary->Duma(), duma) << word;
      ASSERT_EQ(dictionary->Prevod(), prevod) << word;
      ASSERT_EQ(dictionary->PredniDumi(), position) << word;
    }
  }
}

}  // namespace
}  // namespace vokabi::test
