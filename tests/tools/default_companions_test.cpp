// The companion files of the six default bases as scripts/bases builds them: every answer is the
// same with and without them, through TranslateWithHelp, vkb lookup and vkb shell.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <hunspell.hxx>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/base_forms.h"
#include "app/lookup_help.h"
#include "platform/codepage.h"
#include "platform/spelling_folders.h"
#include "tests/support/temp_folder.h"
#include "tests/tools/default_bases_folder.h"
#include "tests/tools/lookup_answers.h"

namespace vokabi::test {
namespace {

namespace fs = std::filesystem;
using Words = std::vector<std::string>;

const char* const kNames[] = {"enbg", "debg", "frbg", "itbg", "esbg", "rubg"};
constexpr std::size_t kSample = 5000;

class DefaultCompanionsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!fs::exists("/usr/share/dictd/freedict-eng-bul.index")) return;
    folder_ = new TempFolder;
    built_ = FillWithDefaultBases(folder_->Path(), VKB_BINARY, BASES_SCRIPT);
    // The same bases alone, as a user's own or an older vkb's would be.
    fs::create_directory(*folder_ / "plain");
    for (const char* name : kNames) {
      const std::string file = std::string(name) + ".vkb";
      std::error_code ignored;
      fs::copy_file(*folder_ / file, *folder_ / "plain" / file, ignored);
    }
  }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }
  void SetUp() override {
    if (!folder_) GTEST_SKIP() << "the FreeDict packages of scripts/packages.sh are not installed";
    ASSERT_TRUE(built_) << "scripts/bases failed; see " << (*folder_ / "bases.log");
  }

  static fs::path Base(const std::string& name) { return *folder_ / (name + ".vkb"); }
  static fs::path Plain(const std::string& name) { return *folder_ / "plain" / (name + ".vkb"); }

  // Every headword of both sides as stored and in capitals.
  static Words Headwords(Dictionary& dictionary) {
    Words words;
    for (const int side : {1, 2}) {
      const CaseMap& rules = dictionary.CaseRules(side);
      for (const std::string_view word : dictionary.Headwords(side)) {
        words.emplace_back(word);
        std::string upper(word);
        for (char& c : upper) c = static_cast<char>(rules.upper[static_cast<unsigned char>(c)]);
        if (upper != word) words.push_back(std::move(upper));
      }
    }
    return words;
  }

  // Word forms from each side's Hunspell dictionary, as Hunspell itself spells them out from
  // evenly spread roots: the root and its suffixed forms, some with a capital.
  static Words Forms(Dictionary& dictionary, std::size_t wanted) {
    Words words;
    for (const int side : {1, 2}) {
      const std::string language = SideLanguage(dictionary.ID(), side);
      const auto speller = FindSpeller(platform::SpellingFolders(folder_->Path()), language);
      if (!speller) continue;
      Hunspell hunspell((speller->string() + ".aff").c_str(), (speller->string() + ".dic").c_str());
      std::ifstream dic(speller->string() + ".dic");
      Words roots;
      for (std::string line; std::getline(dic, line);) {
        const std::size_t end = line.find_first_of("/\t ");
        roots.push_back(line.substr(0, end));
      }
      const int charset = side == 1 ? dictionary.Charset1() : dictionary.Charset2();
      const std::size_t step = std::max<std::size_t>(1, roots.size() / (wanted / 8));
      std::size_t taken = 0;
      for (std::size_t i = 1; i < roots.size() && taken < wanted / 2; i += step) {
        Words forms = hunspell.suffix_suggest(roots[i]);
        forms.push_back(roots[i]);
        for (const std::string& form : forms) {
          const platform::Encoded bytes = platform::EncodeCharset(charset, form);
          if (bytes.unfit > 0 || bytes.bytes.empty()) continue;
          words.push_back(bytes.bytes);
          if (++taken % 10 == 0) {
            std::string capital = bytes.bytes;
            capital[0] = static_cast<char>(
                dictionary.CaseRules(side).upper[static_cast<unsigned char>(capital[0])]);
            words.push_back(capital);
          }
        }
      }
    }
    if (words.size() > wanted) words.resize(wanted);
    return words;
  }

  // One typing mistake in each of many headwords: a swap, a letter left out, doubled or changed.
  static Words Misspellings(const Words& headwords, std::size_t wanted) {
    Words words;
    std::uint32_t state = 12345;
    const auto next = [&state] {
      return state = state * 1103515245 + 12345, (state >> 16) & 0x7FFF;
    };
    const std::size_t step = std::max<std::size_t>(1, headwords.size() / wanted);
    for (std::size_t i = 0; i < headwords.size() && words.size() < wanted; i += step) {
      std::string word = headwords[i];
      if (word.size() < 2) continue;
      const std::size_t at = next() % (word.size() - 1);
      switch (next() % 4) {
        case 0:
          std::swap(word[at], word[at + 1]);
          break;
        case 1:
          word.erase(at, 1);
          break;
        case 2:
          word.insert(at, 1, word[at]);
          break;
        default:
          word[at] = word[at + 1];
          break;
      }
      words.push_back(word);
    }
    return words;
  }

  static std::string Utf8(Dictionary& dictionary, const std::string& word) {
    const int charset =
        dictionary.GuessSide(word) == 1 ? dictionary.Charset1() : dictionary.Charset2();
    return platform::DecodeCharset(charset, word).utf8;
  }

  static std::string Run(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    pclose(pipe);
    return out;
  }

  static TempFolder* folder_;
  static bool built_;
};

TempFolder* DefaultCompanionsTest::folder_ = nullptr;
bool DefaultCompanionsTest::built_ = false;

TEST_F(DefaultCompanionsTest, EveryAnswerIsTheSameWithAndWithout) {
  // VOKABI_COMPANION_BASES="rubg esbg" checks only those.
  const char* only = std::getenv("VOKABI_COMPANION_BASES");
  for (const char* name : kNames) {
    if (only != nullptr && std::string(only).find(name) == std::string::npos) continue;
    Lookups with(Base(name), IndexLoad::kWhole, true);
    Lookups without(Base(name), IndexLoad::kWhole, false);
    ASSERT_TRUE(with.Loaded()) << name;
    ASSERT_TRUE(fs::exists(Base(name).string() + "x")) << name;
    ASSERT_NE(with.Shortcuts(), nullptr) << name;
    const Words headwords = Headwords(with.Dic());
    const Words forms = Forms(with.Dic(), kSample);
    const Words misspellings = Misspellings(headwords, kSample);
    EXPECT_GE(forms.size(), kSample / 2) << name;
    for (const Words* words : {&headwords, &forms, &misspellings}) {
      // Headwords are found as typed: no suggestions are asked for them.
      const bool suggest = words != &headwords;
      for (const std::string& word : *words) {
        const Answer expected = without.Ask(word, suggest);
        ASSERT_EQ(with.Ask(word, suggest), expected)
            << name << " \"" << Utf8(with.Dic(), word) << "\"";
      }
    }
    EXPECT_FALSE(with.Shortcuts()->Damaged()) << name;

    // The same through vkb: one session for a part of each kind, one process for a few.
    Words sample;
    for (const Words* words : {&headwords, &forms, &misspellings}) {
      for (std::size_t i = 0; i < words->size(); i += std::max<std::size_t>(1, words->size() / 300))
        sample.push_back(Utf8(with.Dic(), (*words)[i]));
    }
    const fs::path input = *folder_ / "session.txt";
    {
      std::ofstream lines(input, std::ios::binary);
      for (const std::string& word : sample) lines << "lookup " << word << '\n';
    }
    const std::string vkb = (*folder_ / "vkb").string();
    const std::string shell =
        Run(vkb + " shell '" + Base(name).string() + "' < '" + input.string() + "'");
    EXPECT_EQ(shell, Run(vkb + " shell '" + Plain(name).string() + "' < '" + input.string() + "'"))
        << name;
    EXPECT_GT(shell.size(), sample.size() * 10) << name;
    for (std::size_t i = 0; i < sample.size(); i += sample.size() / 12) {
      const std::string word = sample[i];
      if (word.find('\'') != std::string::npos) continue;
      EXPECT_EQ(Run(vkb + " lookup --json '" + Base(name).string() + "' -- '" + word + "'"),
                Run(vkb + " lookup --json '" + Plain(name).string() + "' -- '" + word + "'"))
          << name << " " << word;
    }
  }
}

}  // namespace
}  // namespace vokabi::test
