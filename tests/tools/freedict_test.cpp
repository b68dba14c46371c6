// Builds bases from Debian's FreeDict databases, where they are installed, and reads them back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/error_class.h"
#include "app/system_case_map.h"
#include "engine/dictionary.h"
#include "platform/codepage.h"
#include "tests/support/base_files.h"
#include "tests/support/missing_component.h"
#include "tests/support/temp_folder.h"
#include "tools/vkb/dictd_import.h"

namespace vokabi::test {
namespace {

const std::filesystem::path kDictd = "/usr/share/dictd";

class FreeDictTest : public ::testing::Test {
 protected:
  static bool Installed(const std::string& name) {
    return std::filesystem::exists(kDictd / (name + ".index"));
  }

  // Imports the database as side 1, derives side 2 and writes the base as file.
  bool Build(const std::string& name, const std::string& file, BaseSource* source) {
    std::vector<vkb::ImportedEntry> entries;
    vkb::ImportReport report;
    std::string error;
    if (!vkb::ImportDictd(kDictd / name, vkb::CodePageFitter(0), vkb::CodePageFitter(204),
                          SystemCaseMap(0), &entries, &report, &error)) {
      ADD_FAILURE() << error;
      return false;
    }
    for (const auto& e : entries) source->side1.push_back({e.headword, e.translation});
    source->side2 = vkb::InvertEntries(entries, SystemCaseMap(204));
    source->key = name;
    for (auto& n : source->names) n = "A,B";
    return WriteBase(folder / file, *source) && dictionary.Initialize(file);
  }

  TempFolder folder;
  ErrorClass errors;
  MakeCrypto crypto{errors};
  Dictionary dictionary{crypto, errors, folder.Path(), SystemCaseMap};
};

// A word without lower-case Latin letters but with high bytes is looked for on side 2 first.
bool GuessedAsSide2(const std::string& word) {
  if (word.size() == 1) return static_cast<unsigned char>(word[0]) > 128;
  bool latin = false;
  bool high = false;
  for (const char ch : word) {
    const auto c = static_cast<unsigned char>(ch);
    latin = latin || (c >= 'a' && c <= 'z');
    high = high || c >= 224;
  }
  return !latin && high;
}

TEST_F(FreeDictTest, EnglishBulgarianFindsEveryHeadwordWithItsArticle) {
  if (!Installed("freedict-eng-bul")) VOKABI_SKIP_WITHOUT("dict-freedict-eng-bul");
  BaseSource source;
  ASSERT_TRUE(Build("freedict-eng-bul", "enbg.vkb", &source));

  std::size_t elsewhere = 0;
  for (const SideEntry& entry : source.side1) {
    if (GuessedAsSide2(entry.headword)) {
      ++elsewhere;
      continue;
    }
    ASSERT_TRUE(dictionary.Translate(entry.headword)) << entry.headword;
    ASSERT_EQ(dictionary.Duma(), entry.headword);
    ASSERT_EQ(dictionary.Prevod(), entry.translation) << entry.headword;
  }
  EXPECT_LT(elsewhere, 10u);
  for (std::size_t i = 0; i < source.side2.size(); i += 29) {
    const SideEntry& entry = source.side2[i];
    ASSERT_TRUE(dictionary.Translate(entry.headword)) << i;
    EXPECT_EQ(dictionary.DumaCHSet(), 204);
    EXPECT_EQ(dictionary.Prevod(), entry.translation) << i;
  }

  const std::string kashta = platform::EncodeCharset(204, "къща").bytes;
  ASSERT_TRUE(dictionary.Translate("house"));
  EXPECT_NE(dictionary.Prevod().find(kashta), std::string::npos);
  ASSERT_TRUE(dictionary.Translate(kashta));
  EXPECT_NE(dictionary.Prevod().find("house"), std::string::npos);
}

TEST_F(FreeDictTest, EveryPairLoadsWithItsCountsAndDefinedBytesOnly) {
  for (const char* name :
       {"freedict-eng-bul", "freedict-deu-bul", "freedict-fra-bul", "freedict-ita-bul"}) {
    if (!Installed(name)) VOKABI_SKIP_WITHOUT(name);
    BaseSource source;
    ASSERT_TRUE(Build(name, std::string(name) + ".vkb", &source));
    EXPECT_EQ(dictionary.BroiDumi1(), static_cast<int>(source.side1.size())) << name;
    EXPECT_EQ(dictionary.BroiDumi2(), static_cast<int>(source.side2.size())) << name;
    EXPECT_GT(source.side2.size(), source.side1.size() / 2) << name;
    for (const auto& [side, words, texts] :
         {std::tuple{&source.side1, 0, 204}, std::tuple{&source.side2, 204, 0}}) {
      for (const SideEntry& entry : *side) {
        ASSERT_EQ(platform::DecodeCharset(words, entry.headword).undefined, 0u) << name;
        ASSERT_EQ(platform::DecodeCharset(texts, entry.translation).undefined, 0u) << name;
      }
    }
  }
}

}  // namespace
}  // namespace vokabi::test
