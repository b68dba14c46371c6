// The companion file beside a base: written by the build, it answers misses exactly as the slow
// way does, and is ignored whenever it does not belong to the base.
#include "app/companion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/affix_rules.h"
#include "app/base_forms.h"
#include "app/companion_format.h"
#include "app/companion_writer.h"
#include "app/error_class.h"
#include "app/lookup_help.h"
#include "app/system_case_map.h"
#include "platform/codepage.h"
#include "platform/spelling_folders.h"
#include "tests/support/base_files.h"
#include "tests/support/random_start.h"
#include "tests/support/sample_base.h"
#include "tests/support/temp_folder.h"
#include "tests/tools/lookup_answers.h"

namespace vokabi::test {
namespace {

namespace fs = std::filesystem;
using Words = std::vector<std::string>;

std::string Cp1251(const char* utf8) {
  return platform::EncodeCharset(204, utf8).bytes;
}

void WriteSpeller(const fs::path& folder, const std::string& name, const std::string& aff,
                  const Words& words) {
  std::ofstream(folder / (name + ".aff"), std::ios::binary) << aff;
  std::ofstream dic(folder / (name + ".dic"), std::ios::binary);
  dic << words.size() << '\n';
  for (const std::string& word : words) dic << word << '\n';
}

// Plurals, "un-" before some of them, a second suffix after "-ness", a suffix Hunspell allows only
// inside compounds; "-та" for Bulgarian nouns.
const char* const kEnglish =
    "SET UTF-8\nONLYINCOMPOUND O\nSFX Z Y 1\nSFX Z 0 z/O .\nSFX S Y 2\nSFX S 0 s [^y]\nSFX S y ies "
    "y\nPFX U Y 1\nPFX U 0 un .\n"
    "SFX N Y 1\nSFX N 0 ness/S .\n";
const char* const kBulgarian = "SET UTF-8\nSFX T Y 2\nSFX T а ата а\nSFX T а и а\n";

class CompanionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(folder / "dictionaries");
    WriteSpeller(folder / "dictionaries", "en_US", kEnglish,
                 {"house/S", "cat/SU", "city/S", "happy/UN", "dog/S", "houses", "tree/SZ"});
    WriteSpeller(folder / "dictionaries", "bg_BG", kBulgarian, {"къща/T", "река/T"});
    BaseSource source = EnglishBulgarianSample();
    source.id = "enbgvk01";
    ASSERT_TRUE(WriteBase(base, source));
    Build();
  }
  void Build() {
    CompanionReport report;
    std::string error;
    ASSERT_TRUE(WriteCompanion(base, &report, &error)) << error;
  }
  // What users type: every headword as stored and in capitals, forms, mistakes, odd input.
  Words Sample() {
    Words words;
    ErrorClass errors;
    MakeCrypto crypto(errors);
    Dictionary dictionary(crypto, errors, folder.Path(), SystemCaseMap);
    EXPECT_TRUE(dictionary.Initialize("enbg.vkb"));
    for (const int side : {1, 2}) {
      const CaseMap& rules = dictionary.CaseRules(side);
      for (const std::string_view word : dictionary.Headwords(side)) {
        words.emplace_back(word);
        std::string upper(word);
        for (char& c : upper) c = static_cast<char>(rules.upper[static_cast<unsigned char>(c)]);
        words.push_back(upper);
        // One typing mistake of each kind.
        if (word.size() > 2) {
          std::string swapped(word);
          std::swap(swapped[1], swapped[2]);
          words.push_back(swapped);
          words.push_back(std::string(word.substr(1)));
          words.push_back(std::string(word) + std::string(1, word.back()));
        }
      }
    }
    for (const char* typed :
         {"houses",  "cats",       "uncats", "cities",   "happiness", "happinesses",
          "unhappy", "Houses",     "HOUSES", " houses.", "hosue",     "hoise",
          "zz",      "a",          "+++",    "",         "  ",        "hou-ses",
          "o'k",     "qzxjvqzxjv", "trees",  "treez"}) {
      words.emplace_back(typed);
    }
    for (const char* typed : {"къщата", "къщи", "реката", "къшта", "КЪЩАТА", "кща"})
      words.push_back(Cp1251(typed));
    return words;
  }

  TempFolder folder;
  fs::path base = folder / "enbg.vkb";
};

TEST_F(CompanionTest, AnswersExactlyAsWithoutIt) {
  const Words words = Sample();
  for (const IndexLoad load : {IndexLoad::kWhole, IndexLoad::kOnDemand}) {
    Lookups with(base, load, true), without(base, load, false);
    ASSERT_TRUE(with.Loaded());
    ASSERT_NE(with.Shortcuts(), nullptr);
    for (const std::string& word : words) {
      for (const bool suggest : {true, false}) {
        const Answer expected = without.Ask(word, suggest);
        ASSERT_EQ(with.Ask(word, suggest), expected) << "\"" << word << "\"";
      }
    }
    EXPECT_FALSE(with.Shortcuts()->Damaged());
  }
}

TEST_F(CompanionTest, AnswersMissesWithoutTheIndexOrHunspell) {
  Lookups lookups(base, IndexLoad::kOnDemand, true);
  Companion* companion = lookups.Shortcuts();
  ASSERT_NE(companion, nullptr);
  EXPECT_TRUE(companion->CertainlyMissing("hosue"));
  EXPECT_TRUE(companion->CertainlyMissing(" hosue. "));
  EXPECT_FALSE(companion->CertainlyMissing("HOUSE"));
  EXPECT_FALSE(companion->CertainlyMissing("house!"));
  EXPECT_FALSE(companion->CertainlyMissing(Cp1251("КЪЩА")));
  EXPECT_FALSE(companion->CertainlyMissing("+++"));  // "no word", not "not found"

  std::string form;
  EXPECT_EQ(companion->FormOf(1, "houses", &form), FormLookup::Known::kForm);
  EXPECT_EQ(form, "house");
  EXPECT_EQ(companion->FormOf(1, "dogs", &form), FormLookup::Known::kForm);
  EXPECT_EQ(form, "dog");
  EXPECT_EQ(companion->FormOf(2, Cp1251("къщата"), &form), FormLookup::Known::kForm);
  EXPECT_EQ(form, Cp1251("къща"));
  EXPECT_EQ(companion->FormOf(1, "hosue", &form), FormLookup::Known::kNone);
  // The rules make "treez" of "tree", but Hunspell refuses it: its answer was written down.
  EXPECT_EQ(companion->FormOf(1, "treez", &form), FormLookup::Known::kNone);
  // Capitals go to Hunspell, which has rules of its own for them.
  EXPECT_EQ(companion->FormOf(1, "Hosue", &form), FormLookup::Known::kUnknown);

  std::vector<std::string_view> near;
  ASSERT_TRUE(companion->Candidates(1, "hosue", SystemCaseMap(0), &near));
  EXPECT_NE(std::find(near.begin(), near.end(), "house"), near.end());
}

#ifdef __linux__
// Resident KiB of this process's mappings of the file, from /proc/self/smaps.
long ResidentOfMapping(const fs::path& file) {
  std::ifstream smaps("/proc/self/smaps");
  long total = 0;
  bool inside = false;
  for (std::string line; std::getline(smaps, line);) {
    // A mapping's first line starts with its address range, "start-end perms ...".
    if (line.find('-') < line.find(' ') && line.find(' ') != std::string::npos) {
      inside =
          line.size() >= file.string().size() &&
          line.compare(line.size() - file.string().size(), std::string::npos, file.string()) == 0;
    } else if (inside && line.rfind("Rss:", 0) == 0) {
      total += std::stol(line.substr(4));
    }
  }
  return total;
}

// After a miss at most the header and the headword tables, which every lookup reads, stay
// mapped: the forms, the deletions and the strings it read are let go. The base is made large
// enough for those to span many pages.
TEST_F(CompanionTest, AMissKeepsAtMostTheHeadwordTablesInMemory) {
  BaseSource source = EnglishBulgarianSample();
  source.id = "enbgvk01";
  std::minstd_rand state(5);
  for (int i = 0; i < 4000; ++i) {
    std::string word;
    for (std::size_t n = 5 + state() % 6; word.size() < n;)
      word.push_back(static_cast<char>('a' + state() % 26));
    source.side1.push_back({word, "\xe4\xf3\xec\xe0"});
  }
  ASSERT_TRUE(WriteBase(base, source));
  Build();
  Lookups lookups(base, IndexLoad::kWhole, true);
  ASSERT_NE(lookups.Shortcuts(), nullptr);
  const fs::path file = fs::canonical(folder / "enbg.vkbx");
  std::ifstream in(file, std::ios::binary);
  const std::string bytes(std::istreambuf_iterator<char>(in), {});
  const auto header = companion::DecodeHeader(bytes);
  ASSERT_TRUE(header);
  // The header and the tables, with a page at either end of each table.
  long kept = static_cast<long>(header->sides[0].headwords) / 1024 + 8;
  for (const companion::SideParts& parts : header->sides)
    kept += static_cast<long>(parts.roots - parts.headwords) / 1024 + 8;
  ASSERT_LT(kept * 1024, static_cast<long>(bytes.size()) / 2);

  lookups.Ask("house");
  EXPECT_GT(ResidentOfMapping(file), 0);
  // Base forms and suggestions read the forms, the deletions and the strings.
  for (const char* word : {"houses", "hosue", "abcdefg", "qwerty", "zzyzx"}) {
    lookups.Ask(word);
    EXPECT_LE(ResidentOfMapping(file), kept) << word;
  }
  // What it gave stays readable.
  EXPECT_EQ(lookups.Ask("hosue").suggestions, lookups.Ask("hosue").suggestions);
}
#endif

TEST_F(CompanionTest, OneThatDoesNotBelongIsIgnored) {
  const fs::path file = folder / "enbg.vkbx";
  const Words words = Sample();
  const auto same = [&] {
    Lookups with(base, IndexLoad::kWhole, true), without(base, IndexLoad::kWhole, false);
    for (const std::string& word : words) {
      const Answer expected = without.Ask(word);
      EXPECT_EQ(with.Ask(word), expected) << word;
    }
    return with.Shortcuts() != nullptr;
  };
  ASSERT_TRUE(same());

  // Damaged inside: what it has not yet answered it no longer answers.
  std::string bytes;
  {
    std::ifstream in(file, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), {});
  }
  for (std::size_t at = 300; at < bytes.size(); at += 97) {
    std::string damaged = bytes;
    damaged[at] = static_cast<char>(damaged[at] ^ 0x5A);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << damaged;
    same();
  }
  // Cut short, its header damaged, or gone: not opened.
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes.substr(0, 100);
  EXPECT_FALSE(same());
  std::string header = bytes;
  header[20] = static_cast<char>(header[20] ^ 1);
  std::ofstream(file, std::ios::binary | std::ios::trunc) << header;
  EXPECT_FALSE(same());
  fs::remove(file);
  EXPECT_FALSE(same());

  // Another base in the same place: the old companion is stale.
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
  ASSERT_TRUE(same());
  BaseSource other = EnglishBulgarianSample();
  other.id = "enbgvk01";
  other.side1.pop_back();
  ASSERT_TRUE(WriteBase(base, other));
  EXPECT_FALSE(same());
}

TEST_F(CompanionTest, FormsOnlyWhileTheirHunspellDictionaryStays) {
  Lookups before(base, IndexLoad::kWhole, true);
  std::string form;
  ASSERT_EQ(before.Shortcuts()->FormOf(1, "houses", &form), FormLookup::Known::kForm);
  // A changed dictionary may give other forms: Hunspell is asked again.
  WriteSpeller(folder / "dictionaries", "en_US", kEnglish, {"house/S", "dog/S"});
  Lookups after(base, IndexLoad::kWhole, true), without(base, IndexLoad::kWhole, false);
  ASSERT_NE(after.Shortcuts(), nullptr);
  EXPECT_EQ(after.Shortcuts()->FormOf(1, "cats", &form), FormLookup::Known::kUnknown);
  for (const char* word : {"cats", "houses", "dogs", "cities"})
    EXPECT_EQ(after.Ask(word), without.Ask(word)) << word;
}

Words Utf8(const std::vector<std::u32string>& words) {
  Words out;
  for (const std::u32string& word : words) out.push_back(FromUtf32(word));
  std::sort(out.begin(), out.end());
  return out;
}

// The signature filter passes every word one or two edits away, whatever the edits and bytes.
TEST(CompanionFormatTest, SignaturesPassWordsWithinTheEdits) {
  std::mt19937 random(RandomStart());
  // Plain, accented (128 above plain ones) and Cyrillic bytes, some repeated within a word.
  const std::string letters = "aeiouhst\xe1\xe9\xed\xf3\xe0\xe4\xff";
  const auto pick = [&](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
  };
  for (int round = 0; round < 20000; ++round) {
    std::string word;
    for (std::size_t n = 1 + pick(9); n > 0; --n) word += letters[pick(letters.size())];
    std::string edited = word;
    const int edits = 1 + static_cast<int>(pick(2));
    for (int e = 0; e < edits; ++e) {
      const std::size_t at = pick(edited.size() + 1);
      switch (pick(4)) {
        case 0:
          edited.insert(at, 1, letters[pick(letters.size())]);
          break;
        case 1:
          if (at < edited.size()) edited.erase(at, 1);
          break;
        case 2:
          if (at < edited.size()) edited[at] = letters[pick(letters.size())];
          break;
        default:
          if (at + 1 < edited.size()) std::swap(edited[at], edited[at + 1]);
      }
    }
    ASSERT_TRUE(companion::SignaturesWithin(companion::LetterSignature(word),
                                            companion::LetterSignature(edited), edits))
        << word << " / " << edited;
  }
  // What it is for: passing over most headwords far off.
  EXPECT_FALSE(companion::SignaturesWithin(companion::LetterSignature("house"),
                                           companion::LetterSignature("bring"), 2));
  EXPECT_FALSE(companion::SignaturesWithin(companion::LetterSignature("bee"),
                                           companion::LetterSignature("bbb"), 1));
  EXPECT_FALSE(companion::SignaturesWithin(companion::LetterSignature("cafe"),
                                           companion::LetterSignature("caf\xe9s"), 1));
}

// The headwords read back by number as laid out; a changed byte of the tables reads nothing, and
// one of the headwords fails the check of its block alone.
TEST(CompanionFormatTest, HeadwordNumbersReadBackOrNotAtAll) {
  std::vector<std::string> words = {"a", "ox", "to", "cat", "house", "houses"};
  for (int i = 0; i < 150; ++i) words.push_back("word" + std::to_string(1000 + i));
  const std::vector<std::string_view> numbered(words.begin(), words.end());
  const std::string area = companion::HeadwordNumbers::Layout(numbered);
  const auto numbers = companion::HeadwordNumbers::Read(area);
  ASSERT_TRUE(numbers);
  EXPECT_EQ(numbers->Count(), 156u);
  const std::vector<std::uint32_t> firsts = {0, 0, 1, 3, 4, 4, 5, 6, 6, 156};
  for (std::size_t length = 0; length < firsts.size(); ++length)
    EXPECT_EQ(numbers->FirstOfLength(length), firsts[length]) << length;
  for (std::uint32_t n = 0; n < numbers->Count(); ++n)
    EXPECT_EQ(numbers->Headword(n, words[n].size()), words[n]);
  for (std::uint32_t block = 0; block < 3; ++block) EXPECT_TRUE(numbers->BlockIntact(block));
  EXPECT_FALSE(numbers->BlockIntact(3));

  std::size_t headwordBytes = 0;
  for (const std::string& word : words) headwordBytes += word.size();
  for (std::size_t at = 0; at < area.size(); ++at) {
    std::string damaged = area;
    damaged[at] = static_cast<char>(damaged[at] ^ 0x10);
    const auto read = companion::HeadwordNumbers::Read(damaged);
    if (at >= headwordBytes) {
      EXPECT_FALSE(read) << at;
      continue;
    }
    ASSERT_TRUE(read) << at;
    // Bytes 0 to 482 are the first block's 64 headwords (6 short ones and 58 of eight letters).
    const std::uint32_t hit = at < 483 ? 0 : at < 995 ? 1 : 2;
    for (std::uint32_t block = 0; block < 3; ++block)
      EXPECT_EQ(read->BlockIntact(block), block != hit) << at << " " << block;
  }
  EXPECT_FALSE(companion::HeadwordNumbers::Read(area.substr(0, 11)));
  EXPECT_FALSE(companion::HeadwordNumbers::Read(area.substr(1)));
  EXPECT_TRUE(companion::HeadwordNumbers::Read(companion::HeadwordNumbers::Layout({})));
}

TEST(AffixRulesTest, FormsLeadBackToTheRootsThatMakeThem) {
  TempFolder folder;
  // Besides the English rules: a prefix that brings a suffix ("re-" … "-ing"), a suffix that
  // strips and has a condition, and one whose cross product is refused.
  const std::string aff = std::string(kEnglish) +
                          "PFX R N 1\nPFX R 0 re/G .\nSFX G N 1\nSFX G e ing [^e]e\n"
                          "SFX D N 1\nSFX D 0 ed .\n";
  WriteSpeller(folder.Path(), "en_US", aff,
               {"city/S", "happy/UN", "cat/S", "ox", "make/R", "paint/DU", "bake/G"});
  AffixRules rules;
  std::string error;
  ASSERT_TRUE(rules.Load(folder / "en_US", &error)) << error;
  ASSERT_TRUE(rules.LoadRoots(folder / "en_US", &error)) << error;
  ASSERT_EQ(rules.Roots().size(), 7u);
  EXPECT_EQ(Utf8(rules.Forms(rules.Roots()[0])), (Words{"cities", "city"}));
  EXPECT_EQ(Utf8(rules.Forms(rules.Roots()[1])),
            (Words{"happy", "happyness", "happynesss", "unhappy", "unhappyness", "unhappynesss"}));
  EXPECT_EQ(Utf8(rules.Forms(rules.Roots()[3])), (Words{"ox"}));
  EXPECT_EQ(Utf8(rules.Forms(rules.Roots()[4])), (Words{"make", "remake", "remaking"}));
  EXPECT_EQ(Utf8(rules.Forms(rules.Roots()[5])), (Words{"paint", "painted", "unpaint"}));
  EXPECT_TRUE(rules.Complete());

  // Every form of every root leads back to it, and nothing leads to a root that cannot make it.
  std::map<std::u32string, AffixRules::Flags> known;
  for (const AffixRules::Root& root : rules.Roots()) known[root.word] = root.flags;
  const AffixRules::FlagsOf flagsOf = [&known](const std::u32string& root) {
    const auto at = known.find(root);
    return at == known.end() ? nullptr : &at->second;
  };
  for (const AffixRules::Root& root : rules.Roots()) {
    for (const std::u32string& form : rules.Forms(root)) {
      if (form == root.word) continue;
      EXPECT_EQ(rules.RootOf(form, flagsOf), root.word) << FromUtf32(form);
    }
  }
  for (const char* word : {"oxs", "uncats", "unpainted", "bakeing", "remakes", "city", "cat"})
    EXPECT_EQ(rules.RootOf(ToUtf32(word), flagsOf), std::nullopt) << word;

  // Kept to the rules some roots need, the rules lead to those roots as before.
  std::map<std::u32string, AffixRules::Flags> some{{U"happy", known[U"happy"]},
                                                   {U"make", known[U"make"]}};
  AffixRules kept;
  ASSERT_TRUE(kept.Load(folder / "en_US", &error));
  kept.Keep({some[U"happy"], some[U"make"]});
  const AffixRules::FlagsOf someFlags = [&some](const std::u32string& root) {
    const auto at = some.find(root);
    return at == some.end() ? nullptr : &at->second;
  };
  for (const AffixRules::Root& root : rules.Roots()) {
    for (const std::u32string& form : rules.Forms(root))
      EXPECT_EQ(kept.RootOf(form, someFlags), rules.RootOf(form, someFlags)) << FromUtf32(form);
  }
  EXPECT_EQ(kept.RootOf(U"unhappynesss", someFlags), U"happy");

  WriteSpeller(folder.Path(), "de_DE", "SET UTF-8\nCOMPOUNDFLAG X\n", {"Haus/X"});
  AffixRules compounds;
  ASSERT_TRUE(compounds.Load(folder / "de_DE", &error));
  EXPECT_FALSE(compounds.Complete());
}

}  // namespace
}  // namespace vokabi::test
