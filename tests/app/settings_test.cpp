#include "app/settings.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "settings_fixture.h"
#include "tests/support/random_start.h"

namespace vokabi {
namespace {

using platform::RegBytes;
using platform::RegValue;
using Names = std::vector<std::string>;

// A screen of 1024 by 768 pixels at 15 twips a pixel.
constexpr std::int32_t kWidth = 1024 * 15;
constexpr std::int32_t kHeight = 768 * 15;

class SettingsTest : public SettingsFixture {
 protected:
  // The language comes from the locale variables when nothing is stored.
  void SetLocale(const char* name) {
    if (!savedLocale_) savedLocale_ = std::getenv("LC_ALL") ? std::getenv("LC_ALL") : "";
    setenv("LC_ALL", name, 1);
  }
  ~SettingsTest() override {
    if (savedLocale_) setenv("LC_ALL", savedLocale_->c_str(), 1);
  }

  // Names of the stored values in the order of the file, which is the order of first writing.
  Names StoredNames() const {
    std::ifstream in(home_.Hives() / "user.reg");
    Names names;
    for (std::string line; std::getline(in, line);)
      if (line.starts_with('"')) names.push_back(line.substr(1, line.find('"', 1) - 1));
    return names;
  }

  void Load() { ASSERT_TRUE(LoadSettings(context_, kWidth, kHeight)); }

 private:
  std::optional<std::string> savedLocale_;
};

TEST_F(SettingsTest, AnEmptyKeyGivesEveryDefaultAndTheLocaleLanguage) {
  SetLocale("de_DE.UTF-8");
  ASSERT_TRUE(SelectLanguage(context_));
  EXPECT_EQ(context_.Language.LanguageOffset, 3000);
  context_.AppSettings = {};
  context_.AppSettings.WorkDic = 3;
  Load();
  SettingsRecord defaults;
  defaults.WorkDic = 3;  // the main window's to read
  defaults.SavePosition = defaults.CompleteWord = true;
  defaults.LeftPosition = 2000;
  defaults.TopPosition = 1400;
  defaults.UseFont = "Arial";
  defaults.Style = "Green";
  EXPECT_EQ(context_.AppSettings, defaults);
  EXPECT_EQ(ReadWorkDic(context_), 0);
  EXPECT_FALSE(WorkDicStored(context_));
  EXPECT_TRUE(StoredNames().empty()) << "reading stores nothing, not even the language";

  // A stored language wins over the locale, read as a number whatever its type.
  const std::pair<RegValue, std::int32_t> stored[] = {
      {RegValue(6000), 6000},
      {RegValue(std::string("5000")), 5000},
      {RegValue(RegBytes{platform::kRegBinary, "\x10"}), 0}};
  for (const auto& [value, offset] : stored) {
    Put("Language", value);
    ASSERT_TRUE(SelectLanguage(context_));
    EXPECT_EQ(context_.Language.LanguageOffset, offset);
  }
}

TEST_F(SettingsTest, BooleansAndStringsAreReadAsStoredButTheTrayIconIsForced) {
  Put("StartWithWindows", 1);
  Put("SystrayIcon", 0);
  Load();
  EXPECT_TRUE(context_.AppSettings.StartWithWindows);
  EXPECT_TRUE(context_.AppSettings.SystrayIcon);
  EXPECT_EQ(Stored("SystrayIcon"), RegValue(0));
  Put("StartWithWindows", 0);
  Put("MinimizeToTray", 5);
  Load();
  EXPECT_TRUE(context_.AppSettings.SystrayIcon);
  Put("MinimizeToTray", 0);
  Load();
  EXPECT_FALSE(context_.AppSettings.SystrayIcon);

  // Booleans and strings are read as stored.
  Put("CompleteWord", 0);
  Put("Style", std::string("green"));
  Load();
  EXPECT_FALSE(context_.AppSettings.CompleteWord);
  EXPECT_EQ(context_.AppSettings.Style, "green")
      << "kept as stored; the scheme lookup ignores case";

  // A Boolean of another type reads as false, even one whose default is true.
  Put("SavePosition", RegBytes{platform::kRegBinary, std::string("\x01\x00\x00\x00", 4)});
  Put("Style", RegBytes{platform::kRegBinary, "\x01"});
  Load();
  EXPECT_FALSE(context_.AppSettings.SavePosition);
  EXPECT_EQ(context_.AppSettings.Style, "");
  DeleteRegValue(context_.Store(), RegRoot::CurrentUser, kSettingsKey, "CompleteWord");
  Load();
  EXPECT_TRUE(context_.AppSettings.CompleteWord);
}

TEST_F(SettingsTest, PositionsOffTheScreenGiveTheDefaults) {
  // The limits are the screen less 1000 twips.
  const std::int32_t cases[][4] = {
      {30000, -5, 2000, 1400}, {14360, 10520, 14360, 10520}, {14361, 10521, 2000, 1400}};
  for (const auto& [left, top, wantLeft, wantTop] : cases) {
    Put("LeftPosition", left);
    Put("TopPosition", top);
    Load();
    EXPECT_EQ(context_.AppSettings.LeftPosition, wantLeft) << left;
    EXPECT_EQ(context_.AppSettings.TopPosition, wantTop) << top;
  }
}

TEST_F(SettingsTest, SaveSettingsWritesItsValuesInOrder) {
  ASSERT_TRUE(SelectLanguage(context_));
  context_.AppSettings = {};
  context_.AppSettings.AlwaysOnTop = context_.AppSettings.SavePosition =
      context_.AppSettings.SystrayIcon = true;
  context_.AppSettings.UseFont = "Verdana";
  context_.AppSettings.Style = "Blue sky";
  context_.AppSettings.PrinterName = "Принтер";
  context_.AppSettings.WorkDic = 2;  // left to closing
  Use(6000);
  SaveSettings(context_);
  EXPECT_EQ(StoredNames(),
            (Names{"AlwaysOnTop", "SavePosition", "StartWithWindows", "CompleteWord",
                   "ClipboardTranslate", "SelectionTranslate", "IEintegration", "SystrayIcon",
                   "MinimizeToTray", "Language", "UseFont", "Style", "PrinterName"}));
  EXPECT_EQ(Stored("Language"), RegValue(6000));
  Use(1000);
  ASSERT_TRUE(SelectLanguage(context_));
  EXPECT_EQ(context_.Language.LanguageOffset, 6000);
}

TEST_F(SettingsTest, TextsWithControlCharactersGoAsHexAndReadBackExactly) {
  // Names pasted with a line end or an escape left in: between quotes a bare CR or an escape
  // would not survive regedit or a text editor.
  ASSERT_TRUE(SelectLanguage(context_));
  context_.AppSettings = {};
  context_.AppSettings.PrinterName = "HP LaserJet\r";
  context_.AppSettings.UseFont = "Arial\x1B";
  SaveSettings(context_);
  std::ifstream in(home_.Hives() / "user.reg", std::ios::binary);
  const std::string file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_NE(file.find("\n\"PrinterName\"=hex(1):48,00,50,00,"), std::string::npos) << file;
  EXPECT_NE(file.find("\n\"UseFont\"=hex(1):41,00,72,00,69,00,61,00,6c,00,1b,00,00,00\n"),
            std::string::npos);
  context_.AppSettings = {};
  Load();
  EXPECT_EQ(context_.AppSettings.PrinterName, "HP LaserJet\r");
  EXPECT_EQ(context_.AppSettings.UseFont, "Arial\x1B");
}

TEST_F(SettingsTest, ClosingStoresThePositionOnlyWithSavePositionAndTheBase) {
  ASSERT_TRUE(SelectLanguage(context_));
  context_.AppSettings.SavePosition = true;
  context_.AppSettings.WorkDic = 2;
  context_.AppSettings.CyrKeyboard = true;
  context_.AppSettings.LatKeyboard = false;
  SaveClosingSettings(context_, -20, 300);
  EXPECT_EQ(StoredNames(),
            (Names{"LeftPosition", "TopPosition", "WorkDic", "CyrKeyboard", "LatKeyboard"}));
  EXPECT_EQ(Stored("LeftPosition"), RegValue(100));
  EXPECT_EQ(Stored("TopPosition"), RegValue(300));
  EXPECT_EQ(Stored("WorkDic"), RegValue(2));
  context_.AppSettings.SavePosition = false;
  context_.AppSettings.WorkDic = 1;
  SaveClosingSettings(context_, 900, 900);
  EXPECT_EQ(Stored("LeftPosition"), RegValue(100));
  EXPECT_EQ(Stored("WorkDic"), RegValue(1));
  // What is read back is a non-negative index.
  const std::pair<RegValue, std::int16_t> cases[] = {
      {RegValue(-3), 0}, {RegValue(32767), 32767}, {RegValue(32768), 0}, {std::string("1"), 1}};
  for (const auto& [stored, index] : cases) {
    Put("WorkDic", stored);
    EXPECT_EQ(ReadWorkDic(context_), index);
    EXPECT_TRUE(WorkDicStored(context_)) << "a stored index keeps its meaning, even one read as 0";
  }
}

// A kill at a random moment of a closing save leaves the values of before it or of after it,
// never a mix; a temporary file it leaves is gone after the next write.
TEST_F(SettingsTest, AKillDuringASaveLeavesOneWholeStateOrTheOther) {
  ASSERT_TRUE(SelectLanguage(context_));
  context_.AppSettings.SavePosition = true;
  // Every value of generation g says g.
  const auto save = [this](int g) {
    context_.AppSettings.WorkDic = static_cast<std::int16_t>(g);
    context_.AppSettings.CyrKeyboard = context_.AppSettings.LatKeyboard = g % 2 != 0;
    SaveClosingSettings(context_, g * 10, g * 10);
  };
  const auto start = std::chrono::steady_clock::now();
  for (int g = 1; g <= 5; ++g) save(g);
  // Kills fall anywhere in a save and a little after it.
  const auto saveTime = (std::chrono::steady_clock::now() - start) / 4;
  std::mt19937 random(test::RandomStart());
  std::uniform_int_distribution<std::int64_t> moment(
      0, std::chrono::duration_cast<std::chrono::microseconds>(saveTime).count());
  const std::filesystem::path temporary = home_.Hives() / "user.reg.new";
  int mixed = 0;
  int strays = 0;
  for (int trial = 0; trial < 60; ++trial) {
    const int before = 2 * trial + 10;
    save(before);
    strays += std::filesystem::exists(temporary);
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(ready[0]);
      if (write(ready[1], "!", 1) != 1) _exit(1);
      save(before + 1);
      _exit(0);
    }
    close(ready[1]);
    char started = 0;
    ASSERT_EQ(read(ready[0], &started, 1), 1);
    close(ready[0]);
    std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
    kill(child, SIGKILL);
    ASSERT_EQ(waitpid(child, nullptr, 0), child);
    const std::optional<RegValue> work = Stored("WorkDic");
    ASSERT_TRUE(work);
    const int g = std::get<std::int32_t>(*work);
    mixed += (g != before && g != before + 1) || Stored("LeftPosition") != RegValue(g * 10) ||
             Stored("TopPosition") != RegValue(g * 10) ||
             Stored("CyrKeyboard") != RegValue(g % 2) || Stored("LatKeyboard") != RegValue(g % 2);
  }
  EXPECT_EQ(mixed, 0);
  EXPECT_EQ(strays, 0);
}

TEST_F(SettingsTest, AKeyThatCannotBeOpenedStopsBothLoadsWithMessage11) {
  const std::filesystem::path blocker = home_.Path() / "file";
  std::ofstream(blocker) << "x";
  setenv("XDG_CONFIG_HOME", blocker.c_str(), 1);
  AppContext blocked(platform::MakeSystemRegistryStore());
  blocked.Language = InterfaceLanguage::At(1000);
  const Outcome selected = SelectLanguage(blocked);
  EXPECT_FALSE(selected);
  EXPECT_EQ(selected.Nomer(), msg::kRegistryOpenFailed);
  const Outcome loaded = LoadSettings(blocked, kWidth, kHeight);
  EXPECT_FALSE(loaded);
  EXPECT_EQ(loaded.Nomer(), msg::kRegistryOpenFailed);
  blocked.AppError.SetNomer(loaded.Nomer());
  EXPECT_EQ(blocked.AppError.MsgText(), "Error while trying to open registry.");
}

}  // namespace
}  // namespace vokabi
