// vkb build on tiny FreeDict-style dictd databases made here: what the articles of the base
// show, the order of the headwords, and the refusals of hostile or empty input.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <zlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/temp_folder.h"

namespace vokabi::test {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

struct Outcome {
  int status = -1;
  std::string out, err;
};

std::string ReadAll(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

Outcome Vkb(const TempFolder& folder, const std::string& args) {
  const std::string command =
      "cd '" + folder.Path().string() + "' && '" VKB_BINARY "' " + args + " >out 2>err";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadAll(folder / "out"),
          ReadAll(folder / "err")};
}

std::string Base64(std::size_t n) {
  static const char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string digits;
  do {
    digits.insert(digits.begin(), kDigits[n % 64]);
    n /= 64;
  } while (n > 0);
  return digits;
}

// A dictd database NAME in the folder, one index line and article per pair, articles gzipped.
void WriteDictd(const TempFolder& folder, const std::string& name,
                const std::vector<std::pair<std::string, std::string>>& articles) {
  std::string dict;
  std::string index;
  for (const auto& [key, text] : articles) {
    index += key + "\t" + Base64(dict.size()) + "\t" + Base64(text.size()) + "\n";
    dict += text;
  }
  std::ofstream(folder / (name + ".index"), std::ios::binary) << index;
  gzFile packed = gzopen((folder / (name + ".dict.dz")).c_str(), "wb");
  gzwrite(packed, dict.data(), static_cast<unsigned>(dict.size()));
  gzclose(packed);
}

const char* const kNames = "--names 'a|b|c|d|e|f|g'";

// Builds NAME.vkb from the database NAME (side 2 derived) and answers lookups in it.
class CleanArticlesTest : public ::testing::Test {
 protected:
  void Build(const std::string& name, const std::string& options = "--charset1 0 --charset2 204") {
    const Outcome built = Vkb(folder, "build --id xxbgvk01 " + std::string(kNames) + " " + options +
                                          " " + name + " " + name + ".vkb");
    ASSERT_EQ(built.status, 0) << built.err;
    base = name + ".vkb";
  }
  Json Lookup(const std::string& word) {
    const Outcome run = Vkb(folder, "lookup --json --exact " + base + " '" + word + "'");
    EXPECT_EQ(run.status, 0) << word << ": " << run.out << run.err;
    return Json::parse(run.out);
  }
  std::string Translation(const std::string& word) {
    return Lookup(word).value("translation", std::string());
  }
  std::vector<std::string> Neighbours(const std::string& word) {
    const Outcome run = Vkb(folder, "neighbours --json " + base + " " +
                                        std::to_string(Lookup(word)["position"].get<int>()));
    return Json::parse(run.out)["words"].get<std::vector<std::string>>();
  }

  TempFolder folder;
  std::string base;
};

TEST_F(CleanArticlesTest, SensesStartTheirLinesWithoutMarkupAndWithReadableLabels) {
  WriteDictd(folder, "freedict-spa-bul",
             {{"cara",
               "cara /ˈkaɾa/ <n, fem>\n1. лице́, лице 2.\nparte [[delantera]] de la "
               "cabeza\n 3.\n}} [http://example.org/cara fisonomía] aspecto, "
               "http://example.org véase\n"},
              {"correr", "correr /koˈrer/ <v>\n[[тичам|тича́м]], тичам, <adv> бягам\n"}});
  Build("freedict-spa-bul");
  EXPECT_EQ(Translation("cara"),
            "n., f.\r\n1. лице\r\n2. parte delantera de la cabeza\r\n3. fisonomia aspecto, "
            "vease");
  // Without numbered senses the first line translates; a tag inside a line is a label too.
  EXPECT_EQ(Translation("correr"), "v.\r\nтичам, adv. бягам");
  // Side 2 is derived from the terms, each once, without its tag.
  EXPECT_EQ(Translation("лице"), "cara");
  EXPECT_EQ(Translation("бягам"), "correr");
}

TEST_F(CleanArticlesTest, HeadwordsOfALetterGroupFollowTheLanguagesDictionaries) {
  std::vector<std::pair<std::string, std::string>> articles;
  for (const char* word : {"casa", "cartógrafo", "carámbano", "carácter", "cara", "Cáceres", "cabo",
                           "dedo", "ábaco"}) {
    articles.emplace_back(word, std::string(word) + " <n>\nдума\n");
  }
  WriteDictd(folder, "freedict-spa-bul", articles);
  Build("freedict-spa-bul");
  // Inside the C group Spanish order; Á stays a group of its own, as the first-letter table
  // needs.
  EXPECT_EQ(Neighbours("cabo"),
            (std::vector<std::string>{"cabo", "Cáceres", "cara", "carácter", "carámbano",
                                      "cartógrafo", "casa", "dedo", "ábaco"}));
  // Lookup and completion do not depend on the order.
  for (const char* word : {"carácter", "casa", "cara", "CARÁMBANO", "Cáceres"})
    EXPECT_TRUE(Lookup(word)["ok"].get<bool>()) << word;
  const Outcome completed = Vkb(folder, "complete --json " + base + " cará");
  EXPECT_EQ(Json::parse(completed.out)["word"], "carácter") << completed.out;
}

TEST_F(CleanArticlesTest, WordsACodePageLacksAreWrittenAsTheirLanguageWritesThem) {
  WriteDictd(folder, "freedict-deu-bul",
             {{"schön", "schön /ʃøːn/ <adj>\n1. хубав\nblendend schön, für Gebäude\n"},
              {"huri", "Huri <n>\nхурия\nein Mädchen, „großäugig“ (Ελλάδα)\n"}});
  Build("freedict-deu-bul");
  // German keeps its sense: ä ö ü ß as ae oe ue ss; Greek by its romanisation.
  EXPECT_EQ(Translation("schön"), "adj.\r\n1. хубав\r\nblendend schoen, fuer Gebaeude");
  EXPECT_EQ(Translation("Huri"), "n.\r\nхурия\r\nein Maedchen, „grossaeugig“ (Ellada)");

  // A Cyrillic word inside a Western article, and French losing only its accents.
  WriteDictd(folder, "freedict-bul-fra",
             {{"къща", "къща <n>\nmaison\nжилищна сграда, bâtiment\n"}});
  Build("freedict-bul-fra", "--charset1 204 --charset2 0");
  EXPECT_EQ(Translation("къща"), "n.\r\nmaison\r\nzhilishtna sgrada, bâtiment");
}

TEST(BuildRefusalsTest, AnArticleFileThatInflatesBeyondReasonIsRefusedUnread) {
  TempFolder folder;
  // An article, then 300 gzip members of 1 MiB of zeros each: a small file that inflates to
  // 300 MiB.
  const std::string article = "word <n>\nдума\n";
  const std::string zeros(1 << 20, '\0');
  gzFile packed = gzopen((folder / "bomb.dict.dz").c_str(), "wb9");
  gzwrite(packed, zeros.data(), static_cast<unsigned>(zeros.size()));
  gzclose(packed);
  const std::string member = ReadAll(folder / "bomb.dict.dz");
  WriteDictd(folder, "bomb", {{"word", article}});
  {
    std::ofstream file(folder / "bomb.dict.dz", std::ios::binary | std::ios::app);
    for (int i = 0; i < 300; ++i) file << member;
  }
  ASSERT_LT(fs::file_size(folder / "bomb.dict.dz"), 2u << 20);
  // Within bounds only what the index asks for is inflated: the base is built from the article.
  const Outcome small = Vkb(folder, "build --id xxbgvk01 bomb bomb.vkb");
  EXPECT_EQ(small.status, 0) << small.err;

  // An index that points near the end is refused before anything is inflated.
  std::ofstream(folder / "bomb.index") << "word\t" << Base64((300u << 20) - 10) << "\tK\n";
  fs::remove(folder / "bomb.vkb");
  const Outcome run = Vkb(folder, "build --id xxbgvk01 bomb bomb.vkb");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("bomb.index line 1 points 300.0 MiB into the articles; vkb reads at "
                         "most 256.0 MiB of a database"),
            std::string::npos)
      << run.err;
  EXPECT_FALSE(fs::exists(folder / "bomb.vkb"));
}

TEST(BuildRefusalsTest, NoHeadwordReachingBulgarianSaysWhatHappened) {
  TempFolder folder;
  WriteDictd(folder, "freedict-spa-eng", {{"casa", "casa <n>\nhouse\n"}});
  WriteDictd(folder, "freedict-spa-deu", {{"casa", "casa <n>\nHaus\n"}});
  WriteDictd(folder, "freedict-eng-bul", {{"house", "house <n>\nкъща\n"}});
  WriteDictd(folder, "freedict-deu-bul", {{"Haus", "Haus <n>\nдом\n"}});
  const std::string pivots =
      "--via en=freedict-spa-eng --pivot en=freedict-eng-bul --via de=freedict-spa-deu "
      "--pivot de=freedict-deu-bul";
  const Outcome none = Vkb(folder, "build --id esbgvk01 --min-pivots 2 " + pivots + " es.vkb");
  EXPECT_EQ(none.status, 1);
  EXPECT_NE(none.err.find("no headword reached a Bulgarian term through at least 2 pivot "
                          "languages; there is nothing to build"),
            std::string::npos)
      << none.err;
  EXPECT_EQ(none.err.find("side 2"), std::string::npos) << none.err;
  EXPECT_EQ(Vkb(folder, "build --id esbgvk01 --min-pivots 1 " + pivots + " es.vkb").status, 0);
}

}  // namespace
}  // namespace vokabi::test
