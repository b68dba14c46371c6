#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

extern char** environ;

namespace vokabi::test {
namespace {

using Json = nlohmann::json;

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;

  Json JsonOut() const { return Json::parse(out); }
  // The shell answers with one object a line.
  std::vector<Json> JsonLines() const {
    std::vector<Json> lines;
    std::istringstream stream(out);
    for (std::string line; std::getline(stream, line);) lines.push_back(Json::parse(line));
    return lines;
  }
};

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// Runs vkb with the arguments and standard input; output goes through files, so a large answer
// cannot block the child on a full pipe.
Outcome Vkb(const std::vector<std::string>& args, const std::string& input = "") {
  TempFolder io;
  WriteAll(io / "in", input);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, (io / "in").c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, (io / "out").c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  posix_spawn_file_actions_addopen(&actions, 2, (io / "err").c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  std::vector<std::string> argvStrings = {VKB_BINARY};
  argvStrings.insert(argvStrings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : argvStrings) argv.push_back(arg.data());
  argv.push_back(nullptr);

  Outcome run;
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, VKB_BINARY, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    ADD_FAILURE() << "cannot start " << VKB_BINARY;
    return run;
  }
  int status = 0;
  waitpid(pid, &status, 0);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  run.out = ReadAll(io / "out");
  run.err = ReadAll(io / "err");
  return run;
}

std::string Data(const char* name) {
  return std::string(VKB_DATA_DIR) + "/" + name;
}

const char* const kNames =
    "Английски,Български|English,Bulgarian|Anglais,Bulgare|Englisch,Bulgarisch|"
    "Inglés,Búlgaro|Inglese,Bulgaro|Английский,Болгарский";

// One base from tests/data, built once by vkb itself for every test here.
class VkbTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = std::make_unique<TempFolder>();
    base_ = (*folder_ / "en-bg.vkb").string();
    build_ = Vkb({"build", "--id", "enbgvk01", "--version", "0102", "--key", "test key", "--names",
                  kNames, Data("en-bg-side1.tsv"), Data("en-bg-side2.tsv"), base_});
  }
  static void TearDownTestSuite() { folder_.reset(); }

  void SetUp() override { ASSERT_EQ(build_.status, 0) << build_.err; }

  static std::unique_ptr<TempFolder> folder_;
  static std::string base_;
  static Outcome build_;
};

std::unique_ptr<TempFolder> VkbTest::folder_;
std::string VkbTest::base_;
Outcome VkbTest::build_;

TEST_F(VkbTest, BuildSummaryAndInfoDescribeTheBase) {
  EXPECT_NE(build_.out.find("42 words on side 1, 35 on side 2"), std::string::npos) << build_.out;
  const Outcome run = Vkb({"info", "--json", base_});
  ASSERT_EQ(run.status, 0) << run.err;
  const Json info = run.JsonOut();
  EXPECT_EQ(info["ok"], true);
  EXPECT_EQ(info["id"], "enbgvk01");
  EXPECT_EQ(info["version"], "0102");
  EXPECT_EQ(info["words1"], 42);
  EXPECT_EQ(info["words2"], 35);
  EXPECT_EQ(info["charset1"], 0);
  EXPECT_EQ(info["charset2"], 204);
  ASSERT_EQ(info["names"].size(), 7u);
  EXPECT_EQ(info["names"][0], "Английски,Български");
  EXPECT_EQ(info["names"][4], "Inglés,Búlgaro");
  EXPECT_EQ(info["names"][6], "Английский,Болгарский");
  EXPECT_GT(info["section2_start"].get<int>(), 1);

  const Outcome plain = Vkb({"info", "--lang", "0", base_});
  EXPECT_NE(plain.out.find("Английски"), std::string::npos) << plain.out;
}

TEST_F(VkbTest, LookupFindsWordsOfEitherSideWithTheirCharsets) {
  Outcome run = Vkb({"lookup", "--json", base_, "house"});
  ASSERT_EQ(run.status, 0) << run.err;
  Json result = run.JsonOut();
  EXPECT_EQ(result["ok"], true);
  EXPECT_EQ(result["word"], "house");
  EXPECT_NE(result["translation"].get<std::string>().find("къща"), std::string::npos);
  EXPECT_EQ(result["word_charset"], 0);
  EXPECT_EQ(result["translation_charset"], 204);
  EXPECT_GT(result["position"].get<int>(), 0);

  // Capitals, Cyrillic: stored form returned, found on side 2.
  run = Vkb({"lookup", "--json", base_, "КЪЩА"});
  ASSERT_EQ(run.status, 0) << run.err;
  result = run.JsonOut();
  EXPECT_EQ(result["word"], "къща");
  EXPECT_EQ(result["translation"], "house");
  EXPECT_EQ(result["word_charset"], 204);
  EXPECT_EQ(result["translation_charset"], 0);

  // Accented Western letters go through code page 1252; "\n" in the file is a CR LF.
  result = Vkb({"lookup", "--json", base_, "École"}).JsonOut();
  EXPECT_EQ(result["word"], "école");
  result = Vkb({"lookup", "--json", base_, "bank"}).JsonOut();
  EXPECT_EQ(result["translation"], "банка\r\nбряг (на река)");

  run = Vkb({"lookup", base_, "house"});
  EXPECT_EQ(run.out, "house\n  къща; дом\n");
}

TEST_F(VkbTest, MissesFailWithMessageFiveInTheInterfaceLanguage) {
  Outcome run = Vkb({"lookup", "--json", base_, "zzzz"});
  EXPECT_EQ(run.status, 1);
  Json result = run.JsonOut();
  EXPECT_EQ(result["ok"], false);
  EXPECT_EQ(result["message"], 5);
  EXPECT_EQ(result["text"], "Entered word/phrase not found.");

  result = Vkb({"lookup", "--json", "--lang", "2", base_, "zzzz"}).JsonOut();
  EXPECT_EQ(result["text"], "A écrit word/phrase non trouvé.");
  result = Vkb({"lookup", "--json", "--lang", "0", base_, "zzzz"}).JsonOut();
  EXPECT_EQ(result["text"], "Въведената дума не е открита.");

  // A character that fits no side's code page becomes '?': alone it trims away to nothing.
  result = Vkb({"lookup", "--json", base_, "日本"}).JsonOut();
  EXPECT_EQ(result["message"], 4);
  result = Vkb({"lookup", "--json", base_, "ho日se"}).JsonOut();
  EXPECT_EQ(result["message"], 5);
  result = Vkb({"complete", "--json", base_, "qq"}).JsonOut();
  EXPECT_EQ(result["message"], 6);
}

TEST_F(VkbTest, CompletionAndNeighbourList) {
  Json result = Vkb({"complete", "--json", base_, "hou"}).JsonOut();
  EXPECT_EQ(result["ok"], true);
  EXPECT_EQ(result["word"], "house");

  const int position = Vkb({"lookup", "--json", base_, "house"}).JsonOut()["position"];
  Outcome run = Vkb({"neighbours", "--json", base_, std::to_string(position)});
  ASSERT_EQ(run.status, 0) << run.err;
  const Json words = run.JsonOut()["words"];
  ASSERT_EQ(words.size(), 9u);
  EXPECT_EQ(words[4], "house");  // four entries back, as built
  EXPECT_EQ(words[5], "houseboat");

  // The list of the last side 1 entries runs on into side 2, each word in its own charset.
  const int zebra = Vkb({"lookup", "--json", base_, "zebra"}).JsonOut()["position"];
  const Json across = Vkb({"neighbours", "--json", base_, std::to_string(zebra)}).JsonOut();
  ASSERT_EQ(across["words"].size(), 9u);
  EXPECT_EQ(across["words"][5], "école");  // 0xE9 sorts after Z in code page 1252
  EXPECT_EQ(across["words"][6], "OK");
  EXPECT_EQ(across["words"][7], "автобиография");

  run = Vkb({"neighbours", "--json", base_, std::to_string(position + 1)});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.JsonOut()["message"], 8);
  for (const char* bad : {"0", "-3", "99999999"}) {
    EXPECT_EQ(Vkb({"neighbours", "--json", base_, bad}).JsonOut()["message"], 8) << bad;
  }
  EXPECT_EQ(Vkb({"neighbours", "--json", base_, "12x"}).status, 2);
  EXPECT_EQ(Vkb({"neighbours", "--json", base_, "99999999999"}).status, 2);
}

TEST_F(VkbTest, ShellSharesOneDictionaryAcrossCommands) {
  const Outcome run = Vkb({"shell", base_},
                          "lookup house\nlookup school\nlookup къща\r\nback\nback\nback\nnext\n"
                          "frobnicate\nneighbours x\nlookup\ncomplete уч\n");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<Json> lines = run.JsonLines();
  ASSERT_EQ(lines.size(), 11u) << run.out;
  EXPECT_EQ(lines[0]["word"], "house");
  EXPECT_EQ(lines[2]["word"], "къща");
  EXPECT_EQ(lines[3]["word"], "school");
  EXPECT_EQ(lines[3]["translation"], "училище");
  EXPECT_EQ(lines[3]["position"], lines[1]["position"]);
  EXPECT_EQ(lines[4]["word"], "house");
  EXPECT_EQ(lines[4]["translation_charset"], 204);
  EXPECT_EQ(lines[5], Json::parse(R"({"ok": false, "message": 0, "text": ""})"));
  EXPECT_EQ(lines[6]["word"], "school");
  EXPECT_EQ(lines[7]["ok"], false);
  EXPECT_NE(lines[7]["text"].get<std::string>().find("frobnicate"), std::string::npos);
  EXPECT_EQ(lines[8]["ok"], false);
  EXPECT_EQ(lines[9]["message"], 4);
  EXPECT_EQ(lines[10]["word"], "училище");
  EXPECT_EQ(lines[10]["word_charset"], 204);
}

TEST_F(VkbTest, UnreadableBasesGiveTheLoadMessage) {
  const std::string base = ReadAll(base_);
  const auto check = [](const std::string& path, std::vector<int> messages) {
    for (const char* command : {"lookup", "shell"}) {
      std::vector<std::string> args = {command, "--json", path};
      if (std::string(command) == "lookup") args.push_back("house");
      const Outcome run = Vkb(args, "lookup house\n");
      EXPECT_EQ(run.status, 1) << path;
      const Json result = run.JsonOut();
      EXPECT_EQ(result["ok"], false);
      EXPECT_TRUE(std::find(messages.begin(), messages.end(), result["message"].get<int>()) !=
                  messages.end())
          << path << ": " << result;
    }
  };
  const std::filesystem::path broken = *folder_ / "broken.vkb";
  WriteAll(broken, base.substr(0, 400));
  check(broken.string(), {1, 2});
  WriteAll(broken, base.substr(0, 60));
  check(broken.string(), {1, 2});
  std::string wrongKey = base;
  wrongKey[68] = static_cast<char>(wrongKey[68] ^ 1);
  WriteAll(broken, wrongKey);
  check(broken.string(), {2});
  check((*folder_ / "missing.vkb").string(), {1});
  check(folder_->Path().string(), {1});
}

TEST_F(VkbTest, BuildRefusesWhatABaseCannotHold) {
  TempFolder work;
  const std::string side2 = Data("en-bg-side2.tsv");
  const std::string out = (work / "out.vkb").string();
  WriteAll(work / "frog.tsv", "# comment\n\napple\tябълка\nжаба\tfrog\n");
  Outcome run = Vkb({"build", (work / "frog.tsv").string(), side2, out});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("frog.tsv line 4"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("ж"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(out));

  WriteAll(work / "notab.tsv", "apple\tябълка\napple pie\n");
  run = Vkb({"build", (work / "notab.tsv").string(), side2, out});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("notab.tsv line 2"), std::string::npos) << run.err;

  WriteAll(work / "hash.tsv", "apple\tябълка\n\nc#\tси шарп\n");
  run = Vkb({"build", (work / "hash.tsv").string(), side2, out});
  EXPECT_NE(run.err.find("hash.tsv line 3"), std::string::npos) << run.err;

  // An existing base is left whole when a rebuild fails.
  WriteAll(out, "old");
  run = Vkb({"build", "--key", "k", (work / "frog.tsv").string(), side2, out});
  EXPECT_EQ(ReadAll(out), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(work.Path()),
                          std::filesystem::directory_iterator()),
            4);
}

TEST(VkbUsageTest, BadCommandLinesExitTwoWithAReason) {
  EXPECT_EQ(Vkb({}).status, 2);
  EXPECT_EQ(Vkb({"translate", "x"}).status, 2);
  EXPECT_EQ(Vkb({"lookup", "--json", "only-base.vkb"}).status, 2);
  EXPECT_EQ(Vkb({"lookup", "--lang", "7", "b.vkb", "x"}).status, 2);
  EXPECT_EQ(Vkb({"lookup", "--lang"}).status, 2);
  EXPECT_EQ(Vkb({"lookup", "--frobnicate", "b.vkb", "x"}).status, 2);
  EXPECT_EQ(Vkb({"build", "--id", "short", "a", "b", "c"}).status, 2);
  EXPECT_EQ(Vkb({"build", "--charset2", "256", "a", "b", "c"}).status, 2);
  const Outcome help = Vkb({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* command : {"info", "lookup", "complete", "neighbours", "shell", "build"}) {
    EXPECT_NE(help.out.find(std::string("vkb ") + command), std::string::npos) << command;
  }
  EXPECT_EQ(Vkb({"help"}).out, help.out);
}

}  // namespace
}  // namespace vokabi::test
