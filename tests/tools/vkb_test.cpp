#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "app/error_class.h"
#include "app/version.h"
#include "engine/make_crypto.h"
#include "tests/support/base_files.h"
#include "tests/support/temp_folder.h"

namespace vokabi::test {
namespace {

using Json = nlohmann::json;

struct Outcome {
  int status = -1;
  std::string out, err;
};

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (const char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// Runs vkb with the arguments and standard input; output goes through files, so a large answer
// cannot block the child on a full pipe.
Outcome Vkb(const std::vector<std::string>& args, const std::string& input = "",
            const std::string& binary = VKB_BINARY) {
  TempFolder io;
  WriteAll(io / "in", input);
  std::string command = "cd " + Quoted(io.Path().string()) + " && " + Quoted(binary);
  for (const std::string& arg : args) command += " " + Quoted(arg);
  const int status = std::system((command + " <in >out 2>err").c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadAll(io / "out"), ReadAll(io / "err")};
}

// Runs a command that must end with the given status and answer one JSON object.
Json Answer(const std::vector<std::string>& args, int status = 0, const std::string& input = "") {
  const Outcome run = Vkb(args, input);
  EXPECT_EQ(run.status, status) << run.err;
  return Json::parse(run.out);
}

const std::string kSide1 = VKB_DATA_DIR "/en-bg-side1.tsv";
const std::string kSide2 = VKB_DATA_DIR "/en-bg-side2.tsv";

const std::vector<std::string> kNames = {
    "Английски,Български", "English,Bulgarian", "Anglais,Bulgare",      "Englisch,Bulgarisch",
    "Inglés,Búlgaro",      "Inglese,Bulgaro",   "Английский,Болгарский"};

// One base from tests/data, built once by vkb itself for every test here.
class VkbTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = std::make_unique<TempFolder>();
    base_ = (*folder_ / "en-bg.vkb").string();
    std::string names = kNames[0];
    for (std::size_t i = 1; i < kNames.size(); ++i) names += "|" + kNames[i];
    build_ = Vkb({"build", "--id", "enbgvk01", "--version", "0102", "--key", "test key", "--names",
                  names, kSide1, kSide2, base_});
  }

  void SetUp() override { ASSERT_EQ(build_.status, 0) << build_.err; }

  // A lookup's answer without its position, which depends on every entry before it.
  static Json Hit(const std::string& word) {
    Json answer = Answer({"lookup", "--json", base_, word});
    answer.erase("position");
    return answer;
  }

  static inline std::unique_ptr<TempFolder> folder_;
  static inline std::string base_;
  static inline Outcome build_;
};

TEST_F(VkbTest, LookupFindsEitherSideAndMissesInTheInterfaceLanguage) {
  EXPECT_EQ(Hit("house"), Json::parse(R"({"ok": true, "word": "house", "translation": "къща; дом",
                                          "word_charset": 0, "translation_charset": 204})"));
  // Capitals, Cyrillic: the stored form, found on side 2.
  EXPECT_EQ(Hit("КЪЩА"), Json::parse(R"({"ok": true, "word": "къща", "translation": "house",
                                         "word_charset": 204, "translation_charset": 0})"));
  // Accented Western letters go through code page 1252; "\n" in the file is a CR LF.
  EXPECT_EQ(Hit("École")["word"], "école");
  EXPECT_EQ(Hit("bank")["translation"], "банка\r\nбряг (на река)");
  EXPECT_EQ(Vkb({"lookup", base_, "house"}).out, "house\n  къща; дом\n");

  EXPECT_EQ(Answer({"lookup", "--json", base_, "zzzz"}, 1),
            Json::parse(R"({"ok": false, "message": 5, "text": "Entered word/phrase not found.",
                            "suggestions": []})"));
  EXPECT_EQ(Answer({"lookup", "--json", "--lang", "2", base_, "zzzz"}, 1)["text"],
            "Le mot saisi est introuvable.");
  // A character no side's code page holds becomes '?': alone it trims away to nothing.
  EXPECT_EQ(Answer({"lookup", "--json", base_, "日本"}, 1)["message"], msg::kNoWord);
}

TEST_F(VkbTest, MissesAreAnsweredByBaseFormsAndCloseHeadwords) {
  const Json houses = Answer({"lookup", "--json", base_, "houses"}, 0);
  EXPECT_EQ(houses["word"], "house");
  EXPECT_EQ(houses["via"], "house");
  EXPECT_EQ(houses["base_form_of"], "houses");
  EXPECT_EQ(Vkb({"lookup", base_, "houses"}).out, "houses \u2192 house\nhouse\n  къща; дом\n");
  const Json hosue = Answer({"lookup", "--json", base_, "hosue"}, 1);
  EXPECT_EQ(hosue["message"], msg::kNotFound);
  EXPECT_EQ(hosue["suggestions"][0], "house");
  // --exact: the word as typed, nothing more.
  EXPECT_EQ(
      Answer({"lookup", "--json", "--exact", base_, "houses"}, 1),
      Json::parse(R"({"ok": false, "message": 5, "text": "Entered word/phrase not found."})"));
  // Found words never carry "via".
  EXPECT_FALSE(Hit("house").contains("via"));
}

TEST_F(VkbTest, InfoCompletionAndNeighbourLists) {
  Json info = Answer({"info", "--json", base_});
  EXPECT_EQ(info["names"], Json(kNames));
  const std::string section2 = std::to_string(info["section2_start"].get<int>());
  for (const char* field : {"names", "section2_start"}) info.erase(field);
  EXPECT_EQ(info, Json::parse(R"({"ok": true, "id": "enbgvk01", "version": "0102", "words1": 42,
                                 "words2": 35, "charset1": 0, "charset2": 204})"));
  // Section 2 opens with its Latin group, "OK" just before the first Cyrillic word.
  EXPECT_EQ(Answer({"neighbours", "--json", base_, section2})["words"][1], "автобиография");
  EXPECT_EQ(Answer({"complete", "--json", base_, "hou"})["word"], "house");
  // The list starts four entries back, as built, and runs on from side 1 into side 2.
  const int house = Answer({"lookup", "--json", base_, "house"})["position"];
  const int zebra = Answer({"lookup", "--json", base_, "zebra"})["position"];
  EXPECT_EQ(Answer({"neighbours", "--json", base_, std::to_string(house)})["words"],
            Json({"hand", "happy", "heart", "home", "house", "houseboat", "household", "March",
                  "march"}));
  EXPECT_EQ(
      Answer({"neighbours", "--json", base_, std::to_string(zebra)})["words"],
      Json({"water", "window", "word", "year", "zebra", "école", "OK", "автобиография", "банка"}));
  // An intact base: the position, not the base, is what is wrong, in one command and the shell.
  for (const int bad : {house + 1, 0, -3, 99999999}) {
    const Json expected = Json::parse(
        R"({"ok": false, "message": 1001, "text": "There is no entry at this position."})");
    EXPECT_EQ(Answer({"neighbours", "--json", base_, std::to_string(bad)}, 1), expected) << bad;
    EXPECT_EQ(Answer({"shell", base_}, 0, "neighbours " + std::to_string(bad) + "\n"), expected)
        << bad;
  }
}

TEST_F(VkbTest, ShellSharesOneDictionaryAndItsHistoryAcrossCommands) {
  const Outcome run = Vkb({"shell", base_},
                          "lookup house\nlookup school\nlookup къща\r\nback\nback\nback\nnext\n"
                          "frobnicate\nneighbours x\nlookup\ncomplete уч\n");
  ASSERT_EQ(run.status, 0) << run.err;
  std::vector<Json> lines;
  std::istringstream stream(run.out);
  for (std::string line; std::getline(stream, line);) lines.push_back(Json::parse(line));
  ASSERT_EQ(lines.size(), 11u) << run.out;
  EXPECT_EQ(lines[0], Answer({"lookup", "--json", base_, "house"}));
  EXPECT_EQ(lines[1]["word"], "school");
  EXPECT_EQ(lines[2], Answer({"lookup", "--json", base_, "къща"}));  // the CR is not part of it
  EXPECT_EQ(lines[3], lines[1]);
  EXPECT_EQ(lines[4], lines[0]);
  // Nothing further back.
  EXPECT_EQ(lines[5], Json::parse(R"({"ok": false, "message": 0, "text": ""})"));
  EXPECT_EQ(lines[6], lines[1]);
  for (const int i : {7, 8}) EXPECT_EQ(lines[i]["ok"], false) << lines[i];
  EXPECT_NE(lines[7]["text"].get<std::string>().find("frobnicate"), std::string::npos);
  EXPECT_EQ(lines[9]["message"], msg::kNoWord);
  EXPECT_EQ(lines[10], Answer({"complete", "--json", base_, "уч"}));
}

TEST_F(VkbTest, UnreadableBasesGiveTheLoadMessage) {
  WriteAll(*folder_ / "cut.vkb", ReadAll(base_).substr(0, 400));
  WriteAll(*folder_ / "stub.vkb", ReadAll(base_).substr(0, 60));
  // "" names the folder itself.
  const std::pair<std::string, std::int32_t> cases[] = {{"cut.vkb", msg::kMissingFile},
                                                        {"stub.vkb", msg::kNoSettings},
                                                        {"missing.vkb", msg::kNoSettings},
                                                        {"", msg::kNoSettings}};
  for (const auto& [name, message] : cases) {
    const std::string path = (*folder_ / name).string();
    for (const Json& answer : {Answer({"lookup", "--json", path, "house"}, 1),
                               Answer({"shell", "--json", path}, 1, "lookup house\n")}) {
      EXPECT_EQ(answer["ok"], false) << path;
      EXPECT_EQ(answer["message"], message) << path;
    }
  }
}

// A one-shot command reads the index only as far as its search goes; where that part is broken it
// answers as a whole load does, which refuses the base.
TEST(VkbOneShotTest, ABrokenIndexFailsAsAWholeLoadWhereTheSearchReachesIt) {
  ErrorClass errors;
  MakeCrypto crypto(errors);
  BaseImage image;
  image.key = "k";
  for (auto& name : image.names) name = "A,B";
  // Bodies at region positions 1 and 9, 8 bytes each; no neighbours before them.
  image.region1 = crypto.Encrypt("first", "k") + crypto.Encrypt("third", "k");
  const std::string first("\0\0\x01\0\x10\0", 6);
  const std::string third("\0\0\x09\0\x10\0", 6);
  image.index = "#apple$" + first + "#b#anana$" + first + "#cherry$" + third;
  image.table1 = std::string("A\0\0\x01", 4) + std::string("C\0\0\x1f", 4);
  TempFolder folder;
  const std::string path = (folder / "broken.vkb").string();
  ASSERT_TRUE(WriteImage(path, image));

  const Json apple = Answer({"lookup", "--json", path, "apple"});
  EXPECT_EQ(apple["translation"], "first");
  for (const char* word : {"banana", "zebra"}) {
    EXPECT_EQ(Answer({"lookup", "--json", path, word}, 1)["message"], msg::kMissingFile) << word;
    EXPECT_NE(Vkb({"lookup", path, word}).err.find("cannot load"), std::string::npos) << word;
  }
  EXPECT_EQ(Answer({"shell", "--json", path}, 1, "lookup apple\n")["message"], msg::kMissingFile);
}

// Russian-Bulgarian, both sides Cyrillic: "стол" is a headword on both sides, "собака" on one.
TEST(VkbSameLettersTest, AWordOnBothSidesAnswersWithTheOtherSidesArticleToo) {
  TempFolder folder;
  WriteAll(folder / "ru.tsv", "стол\tмаса\nсобака\tкуче\n");
  WriteAll(folder / "bg.tsv", "стол\tстул\nкуче\tсобака\n");
  const std::string base = (folder / "rubg.vkb").string();
  const Outcome build =
      Vkb({"build", "--id", "rubgvk01", "--charset1", "204", "--charset2", "204", "--names",
           "Руски,Български|Russian,Bulgarian|Russe,Bulgare|Russisch,Bulgarisch|Ruso,Búlgaro|"
           "Russo,Bulgaro|Русский,Болгарский",
           (folder / "ru.tsv").string(), (folder / "bg.tsv").string(), base});
  ASSERT_EQ(build.status, 0) << build.err;

  Json table = Answer({"lookup", "--json", base, "стол"});
  EXPECT_EQ(table["translation"], "стул");
  EXPECT_EQ(table["direction"], "Bulgarian \u2192 Russian");
  ASSERT_TRUE(table.contains("also"));
  Json also = table["also"];
  EXPECT_EQ(also["word"], "стол");
  EXPECT_EQ(also["translation"], "маса");
  EXPECT_EQ(also["word_charset"], 204);
  EXPECT_EQ(also["translation_charset"], 204);
  EXPECT_EQ(also["direction"], "Russian \u2192 Bulgarian");
  EXPECT_TRUE(also["position"].is_number());
  EXPECT_EQ(Vkb({"lookup", base, "стол"}).out,
            "Bulgarian \u2192 Russian\nстол\n  стул\n\nRussian \u2192 Bulgarian\nстол\n  маса\n");
  EXPECT_EQ(Answer({"lookup", "--json", "--lang", "0", base, "стол"})["also"]["direction"],
            "Руски \u2192 Български");

  const Json dog = Answer({"lookup", "--json", base, "собака"});
  EXPECT_EQ(dog["translation"], "куче");
  EXPECT_FALSE(dog.contains("also"));
  EXPECT_FALSE(dog.contains("direction"));
}

// A translation body that does not decipher is a failure, not an empty translation.
TEST(VkbDamageTest, AnUndecipherableBodyFailsWithMessage2) {
  ErrorClass errors;
  MakeCrypto crypto(errors);
  BaseImage image;
  image.key = "k";
  for (auto& name : image.names) name = "A,B";
  // "good" reads its body at region position 1; "bad" eight bytes no cipher wrote, at 9.
  image.region1 = crypto.Encrypt("fine", "k") + std::string(8, '\x5a');
  image.index =
      "#bad$" + std::string("\0\0\x09\0\x10\0", 6) + "#good$" + std::string("\0\0\x01\0\x10\0", 6);
  image.table1 = std::string("B\0\0\x01", 4) + std::string("G\0\0\x0c", 4);
  TempFolder folder;
  const std::string path = (folder / "damaged.vkb").string();
  ASSERT_TRUE(WriteImage(path, image));

  EXPECT_EQ(Answer({"lookup", "--json", path, "good"})["translation"], "fine");
  const Json bad = Answer({"lookup", "--json", path, "bad"}, 1);
  EXPECT_EQ(bad["ok"], false);
  EXPECT_EQ(bad["message"], msg::kMissingFile);
  EXPECT_EQ(bad["text"], "Missing dictionary file.");
  EXPECT_FALSE(bad.contains("translation"));
}

TEST(VkbBuildTest, RefusesWhatABaseCannotHoldNamingTheLine) {
  TempFolder work;
  const std::string out = (work / "out.vkb").string();
  WriteAll(out, "old");
  // Each side 1 file, and where the build stops; "ж" has no place in side 1's code page.
  const char* const bad[][3] = {
      {"frog.tsv", "# comment\n\napple\tябълка\nжаба\tfrog\n",
       R"(frog.tsv line 4: headword "жаба" has "ж")"},
      {"notab.tsv", "apple\tябълка\napple pie\n", "notab.tsv line 2"},
      {"hash.tsv", "apple\tябълка\n\nc#\tси шарп\n", "hash.tsv line 3: headword contains '#'"}};
  for (const auto& [name, text, reason] : bad) {
    WriteAll(work / name, text);
    const Outcome run = Vkb({"build", (work / name).string(), kSide2, out});
    EXPECT_EQ(run.status, 1) << name;
    EXPECT_NE(run.err.find(reason), std::string::npos) << run.err;
    EXPECT_EQ(ReadAll(out), "old");  // left whole
  }
  // Nothing else was written, not even a temporary file.
  EXPECT_EQ(std::ranges::distance(std::filesystem::directory_iterator(work.Path())), 4);
}

// A vkb copied away from its build module still looks words up; building says what it misses.
TEST(VkbBuildTest, AwayFromItsModuleLookupsWorkAndBuildSaysWhatIsMissing) {
  TempFolder work;
  const std::filesystem::path copy = work / "vkb";
  std::filesystem::copy_file(VKB_BINARY, copy);
  const std::string base = (work / "en-bg.vkb").string();
  ASSERT_EQ(Vkb({"build", "--key", "k", kSide1, kSide2, base}).status, 0);
  const Outcome lookup = Vkb({"lookup", "--json", base, "house"}, "", copy.string());
  EXPECT_EQ(lookup.status, 0) << lookup.err;
  EXPECT_EQ(Json::parse(lookup.out)["ok"], true);
  const Outcome build =
      Vkb({"build", kSide1, kSide2, (work / "b.vkb").string()}, "", copy.string());
  EXPECT_EQ(build.status, 1);
  EXPECT_NE(build.err.find("build needs "), std::string::npos) << build.err;
  EXPECT_NE(build.err.find("vkb-build.so"), std::string::npos) << build.err;
  EXPECT_FALSE(std::filesystem::exists(work / "b.vkb"));
}

TEST(VkbUsageTest, BadCommandLinesExitTwoWithAReason) {
  for (const char* line :
       {"", "translate x", "lookup --json only-base.vkb", "lookup --lang 7 b.vkb x",
        "lookup --lang", "lookup --frobnicate b.vkb x", "build --id short a b c",
        "build --charset2 256 a b c", "neighbours --json b.vkb 12x",
        "neighbours --json b.vkb 99999999999",
        // A pivot needs a way in and a way into Bulgarian; a base through pivots no side files.
        "build --via en out.vkb", "build --via en=a out.vkb", "build --pivot en=b out.vkb",
        "build --via en=a --pivot en=b --min-pivots 0 out.vkb",
        "build --via en=a --pivot en=b side1.tsv out.vkb", "evaluate --via en=a --pivot en=b",
        "evaluate --via en=a --pivot en=b --reference c --min-precision 70"}) {
    std::vector<std::string> args;
    std::istringstream words(line);
    for (std::string word; words >> word;) args.push_back(word);
    const Outcome run = Vkb(args);
    EXPECT_EQ(run.status, 2) << line;
    EXPECT_NE(run.err, "") << line;
  }
  const Outcome help = Vkb({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("vkb neighbours"), std::string::npos) << help.out;
  // The program's version, not a base's: "build --version" takes a base version.
  const Outcome version = Vkb({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, std::string("vkb ") + kVersionText + "\n");
}

}  // namespace
}  // namespace vokabi::test
