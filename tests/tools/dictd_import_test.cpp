#include "tools/vkb/dictd_import.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "app/system_case_map.h"
#include "platform/codepage.h"
#include "tests/support/temp_folder.h"
#include "tools/vkb/code_page_fit.h"

namespace vokabi::test {
namespace {

using vkb::CodePageFitter;
using vkb::FitReport;
using vkb::ImportedEntry;
using vkb::ImportReport;

std::string Base64(std::size_t n) {
  static const char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string digits;
  do {
    digits.insert(digits.begin(), kDigits[n % 64]);
    n /= 64;
  } while (n > 0);
  return digits;
}

// A dictd database in the folder: an index line and an article per pair, articles gzipped.
std::filesystem::path WriteDictd(const TempFolder& folder,
                                 const std::vector<std::pair<std::string, std::string>>& articles) {
  std::string dict;
  std::string index;
  for (const auto& [key, text] : articles) {
    index += key + "\t" + Base64(dict.size()) + "\t" + Base64(text.size()) + "\n";
    dict += text;
  }
  const auto stem = folder / "test-dict";
  std::FILE* file = std::fopen((stem.string() + ".index").c_str(), "w");
  std::fputs(index.c_str(), file);
  std::fclose(file);
  gzFile packed = gzopen((stem.string() + ".dict.dz").c_str(), "wb");
  gzwrite(packed, dict.data(), static_cast<unsigned>(dict.size()));
  gzclose(packed);
  return stem;
}

std::string W1251(const char* utf8) {
  return platform::EncodeCharset(204, utf8).bytes;
}

class DictdImportTest : public ::testing::Test {
 protected:
  bool Import(const std::vector<std::pair<std::string, std::string>>& articles) {
    entries.clear();
    return vkb::ImportDictd(WriteDictd(folder, articles), CodePageFitter(0), CodePageFitter(204),
                            SystemCaseMap(0), &entries, &report, &error);
  }
  TempFolder folder;
  std::vector<ImportedEntry> entries;
  ImportReport report;
  std::string error;
};

TEST_F(DictdImportTest, ReadsArticlesIntoEntriesAndTerms) {
  ASSERT_TRUE(Import({
      {"00databaseinfo", "about this database\n"},
      {"house",
       "house //haʊs// <n>\n1. къ́ща, дом\nhuman abode\n2. [[ка́мара|камарата]] (в парламента)\n"},
      {"house", "house //haʊz// <v>\nпомещавам\n"},
      {"abatjour", "abat-jour /a.ba.ʒuʁ/ <n, masc>\nабажур 2.\nlampshade\n 3.\n"},
      {"c#", "C# <n>\nси диез\n"},
  })) << error;
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(report.articles, 4u);
  EXPECT_EQ(report.unusable, 1u);  // "C#" cannot be a headword

  EXPECT_EQ(entries[0].headword, "house");
  EXPECT_EQ(entries[0].translation,
            W1251("n.\r\n1. къща, дом\r\nhuman abode\r\n2. камарата (в парламента)\r\n\r\n"
                  "v.\r\nпомещавам"));
  EXPECT_EQ(entries[0].terms, (std::vector<std::string>{W1251("къща"), W1251("дом"),
                                                        W1251("камарата"), W1251("помещавам")}));
  EXPECT_EQ(entries[1].headword, "abat-jour");  // as written, not as dictd keys it
  EXPECT_EQ(entries[1].terms, std::vector<std::string>{W1251("абажур")});
  EXPECT_EQ(report.texts.counts[FitReport::kMarks], 1u);
  EXPECT_GT(report.texts.counts[FitReport::kPhonetic], 0u);
}

TEST_F(DictdImportTest, DerivesTheOtherSideFromTheTerms) {
  ASSERT_TRUE(Import({{"house", "house <n>\n1. къща\n2. дом\n"},
                      {"home", "home <n>\nдом, Къща\n"},
                      {"building", "building <n>\nсграда, къща\n"}}));
  const auto inverted = vkb::InvertEntries(entries, SystemCaseMap(204));
  ASSERT_EQ(inverted.size(), 3u);
  EXPECT_EQ(inverted[0].headword, W1251("къща"));
  EXPECT_EQ(inverted[0].translation, "house, home, building");
  EXPECT_EQ(inverted[1].translation, "house, home");
}

TEST_F(DictdImportTest, RefusesAnIndexLineOutsideTheArticles) {
  const auto stem = WriteDictd(folder, {{"a", "a <n>\nа\n"}});
  std::FILE* file = std::fopen((stem.string() + ".index").c_str(), "a");
  std::fputs("b\tA\tzzzz\n", file);
  std::fclose(file);
  EXPECT_FALSE(vkb::ImportDictd(stem, CodePageFitter(0), CodePageFitter(204), SystemCaseMap(0),
                                &entries, &report, &error));
  EXPECT_NE(error.find("line 2"), std::string::npos) << error;
}

TEST(CodePageFitter, ChangesOnlyWhatTheCodePageLacksAndCountsIt) {
  FitReport report;
  const CodePageFitter cyrillic(204);
  EXPECT_EQ(cyrillic.Fit("стопа́нство ѝ „Straße“ – café…∞ a‑b", &report),
            W1251("стопанство и „Strasse“ – cafe… a-b"));  // „ “ – … are in 1251 itself
  EXPECT_EQ(report.counts[FitReport::kMarks], 1u);
  EXPECT_EQ(report.counts[FitReport::kUnaccented], 1u);
  // Latin words in a Cyrillic text are written in plain Latin letters, whole.
  EXPECT_EQ(report.counts[FitReport::kTransliterated], 2u);
  EXPECT_EQ(report.counts[FitReport::kTypographic], 1u);
  EXPECT_EQ(report.counts[FitReport::kDropped], 1u);
  EXPECT_NE(report.Describe().find("∞"), std::string::npos);

  FitReport western;
  EXPECT_EQ(CodePageFitter(0).Fit("Straße „café“ ăł", &western),
            platform::EncodeCharset(0, "Straße „café“ al").bytes);
}

}  // namespace
}  // namespace vokabi::test
