#include "app/settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "settings_fixture.h"

namespace vokabi {

// Readable failures for whole records.
void PrintTo(const SettingsRecord& s, std::ostream* out) {
  *out << "{WorkDic " << s.WorkDic << ", flags " << s.AlwaysOnTop << s.SavePosition
       << s.StartWithWindows << s.MinimizeToTray << s.SystrayIcon << s.CompleteWord
       << s.ClipboardTranslate << s.SelectionTranslate << s.IEintegration << s.CyrKeyboard
       << s.LatKeyboard << ", at " << s.LeftPosition << "," << s.TopPosition << ", \"" << s.UseFont
       << "\" \"" << s.Style << "\" \"" << s.PrinterName << "\"}";
}

namespace {

using platform::RegBytes;
using platform::RegValue;

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
  std::vector<std::string> StoredNames() const {
    std::ifstream in(home_.Hives() / "user.reg");
    std::vector<std::string> names;
    for (std::string line; std::getline(in, line);)
      if (line.starts_with('"')) names.push_back(line.substr(1, line.find('"', 1) - 1));
    return names;
  }

 private:
  std::optional<std::string> savedLocale_;
};

TEST_F(SettingsTest, AnEmptyKeyGivesEveryDefault) {
  SetLocale("bg_BG.UTF-8");
  ASSERT_TRUE(SelectLanguage());
  EXPECT_EQ(LanguageOffset, 0);
  EXPECT_EQ(LanguageCharset, 204);
  SetLocale("de_DE.UTF-8");
  ASSERT_TRUE(SelectLanguage());
  EXPECT_EQ(LanguageOffset, 3000);
  EXPECT_EQ(LanguageCharset, 0);
  EXPECT_EQ(Stored("Language"), std::nullopt) << "choosing from the locale stores nothing";

  AppSettings = {};
  AppSettings.WorkDic = 3;
  ASSERT_TRUE(LoadSettings(kWidth, kHeight));
  SettingsRecord defaults;
  defaults.WorkDic = 3;  // the main window's to read
  defaults.SavePosition = true;
  defaults.LeftPosition = 2000;
  defaults.TopPosition = 1400;
  defaults.CompleteWord = true;
  defaults.UseFont = "Arial";
  defaults.Style = "Green";
  EXPECT_EQ(AppSettings, defaults);
  EXPECT_EQ(ReadWorkDic(), 0);
  EXPECT_TRUE(StoredNames().empty());
}

TEST_F(SettingsTest, StoredLanguageWinsOverTheLocale) {
  SetLocale("bg_BG.UTF-8");
  const std::pair<RegValue, std::int32_t> cases[] = {
      {RegValue(6000), 6000},
      {RegValue(1234), 1000},                                  // unknown: English
      {RegValue(std::string("5000")), 5000},                   // text holding a number
      {RegValue(RegBytes{platform::kRegBinary, "\x10"}), 0}};  // empty reads as 0
  for (const auto& [stored, offset] : cases) {
    Put("Language", stored);
    ASSERT_TRUE(SelectLanguage());
    EXPECT_EQ(LanguageOffset, offset);
    EXPECT_EQ(LanguageCharset, CharsetForLanguage(offset));
  }
}

TEST_F(SettingsTest, TheTrayIconIsForcedOnlyInMemory) {
  Put("StartWithWindows", 1);
  Put("SystrayIcon", 0);
  ASSERT_TRUE(LoadSettings(kWidth, kHeight));
  EXPECT_TRUE(AppSettings.StartWithWindows);
  EXPECT_TRUE(AppSettings.SystrayIcon);
  EXPECT_EQ(Stored("SystrayIcon"), RegValue(0));

  Put("StartWithWindows", 0);
  Put("MinimizeToTray", 5);
  ASSERT_TRUE(LoadSettings(kWidth, kHeight));
  EXPECT_TRUE(AppSettings.MinimizeToTray);
  EXPECT_TRUE(AppSettings.SystrayIcon);

  Put("MinimizeToTray", 0);
  ASSERT_TRUE(LoadSettings(kWidth, kHeight));
  EXPECT_FALSE(AppSettings.SystrayIcon);
  Put("SystrayIcon", 1);
  ASSERT_TRUE(LoadSettings(kWidth, kHeight));
  EXPECT_TRUE(AppSettings.SystrayIcon);
}

TEST_F(SettingsTest, PositionsOffTheScreenGiveTheDefaults) {
  struct Case {
    std::int32_t left, top, wantLeft, wantTop;
  };
  const Case cases[] = {
      {30000, -5, 2000, 1400},       // past the right edge; above the top
      {14360, 10520, 14360, 10520},  // exactly the limits: screen minus 1000 twips
      {14361, 10521, 2000, 1400},    // one past
      {0, 0, 0, 0},                  // the corner itself
      {-1, INT32_MAX, 2000, 1400},   // left of the screen; far below
      {INT32_MIN, INT32_MIN, 2000, 1400},
  };
  for (const Case& c : cases) {
    Put("LeftPosition", c.left);
    Put("TopPosition", c.top);
    ASSERT_TRUE(LoadSettings(kWidth, kHeight));
    EXPECT_EQ(AppSettings.LeftPosition, c.wantLeft) << c.left;
    EXPECT_EQ(AppSettings.TopPosition, c.wantTop) << c.top;
  }
  // A screen smaller than the margin leaves no place but the default.
  Put("LeftPosition", 0);
  ASSERT_TRUE(LoadSettings(500, 500));
  EXPECT_EQ(AppSettings.LeftPosition, 2000);
}

TEST_F(SettingsTest, BooleansAndStringsAreReadAsStored) {
  Put("CompleteWord", 0);
  Put("Style", std::string("green"));
  Put("UseFont", std::string("Times New Roman"));
  Put("PrinterName", std::string("\\\\server\\Принтер \"2\""));
  Put("AlwaysOnTop", -1);
  ASSERT_TRUE(LoadSettings(kWidth, kHeight));
  EXPECT_FALSE(AppSettings.CompleteWord);
  EXPECT_EQ(AppSettings.Style, "green") << "kept as stored; the scheme lookup ignores case";
  EXPECT_EQ(AppSettings.UseFont, "Times New Roman");
  EXPECT_EQ(AppSettings.PrinterName, "\\\\server\\Принтер \"2\"");
  EXPECT_TRUE(AppSettings.AlwaysOnTop);

  // A Boolean of another type reads as false, even one whose default is true.
  Put("CompleteWord", RegBytes{platform::kRegBinary, "\x01"});
  Put("SavePosition", RegBytes{platform::kRegBinary, std::string("\x01\x00\x00\x00", 4)});
  Put("CyrKeyboard", RegBytes{platform::kRegBinary, "\x01"});
  Put("Style", RegBytes{platform::kRegBinary, "\x01"});
  ASSERT_TRUE(LoadSettings(kWidth, kHeight));
  EXPECT_FALSE(AppSettings.CompleteWord);
  EXPECT_FALSE(AppSettings.SavePosition);
  EXPECT_FALSE(AppSettings.CyrKeyboard);
  EXPECT_EQ(AppSettings.Style, "");

  DeleteRegValue(RegRoot::CurrentUser, kSettingsKey, "CompleteWord");
  ASSERT_TRUE(LoadSettings(kWidth, kHeight));
  EXPECT_TRUE(AppSettings.CompleteWord);
}

TEST_F(SettingsTest, SaveSettingsWritesItsValuesInOrder) {
  ASSERT_TRUE(SelectLanguage());
  AppSettings = {};
  AppSettings.AlwaysOnTop = true;
  AppSettings.SavePosition = true;
  AppSettings.IEintegration = true;
  AppSettings.SystrayIcon = true;
  AppSettings.UseFont = "Verdana";
  AppSettings.Style = "Blue sky";
  AppSettings.PrinterName = "Принтер";
  AppSettings.LeftPosition = 5;
  AppSettings.WorkDic = 2;
  AppSettings.CyrKeyboard = true;
  Use(6000);
  SaveSettings();
  EXPECT_EQ(StoredNames(),
            (std::vector<std::string>{"AlwaysOnTop", "SavePosition", "StartWithWindows",
                                      "CompleteWord", "ClipboardTranslate", "SelectionTranslate",
                                      "IEintegration", "SystrayIcon", "MinimizeToTray", "Language",
                                      "UseFont", "Style", "PrinterName"}));
  EXPECT_EQ(Stored("AlwaysOnTop"), RegValue(1));
  EXPECT_EQ(Stored("CompleteWord"), RegValue(0));
  EXPECT_EQ(Stored("SystrayIcon"), RegValue(1));
  EXPECT_EQ(Stored("Language"), RegValue(6000));
  EXPECT_EQ(Stored("Style"), RegValue(std::string("Blue sky")));
  EXPECT_EQ(Stored("PrinterName"), RegValue(std::string("Принтер")));

  // What is saved loads back as it was; what closing saves does not.
  SettingsRecord expected = AppSettings;
  expected.LeftPosition = 2000;
  expected.TopPosition = 1400;
  expected.WorkDic = 0;
  expected.CyrKeyboard = false;
  AppSettings = {};
  Use(1000);
  ASSERT_TRUE(SelectLanguage());
  ASSERT_TRUE(LoadSettings(kWidth, kHeight));
  EXPECT_EQ(LanguageOffset, 6000);
  EXPECT_EQ(AppSettings, expected);
}

TEST_F(SettingsTest, ClosingStoresThePositionOnlyWithSavePosition) {
  ASSERT_TRUE(SelectLanguage());
  AppSettings.SavePosition = true;
  AppSettings.WorkDic = 2;
  AppSettings.CyrKeyboard = true;
  AppSettings.LatKeyboard = false;
  SaveClosingSettings(-20, 300);
  EXPECT_EQ(StoredNames(), (std::vector<std::string>{"LeftPosition", "TopPosition", "WorkDic",
                                                     "CyrKeyboard", "LatKeyboard"}));
  EXPECT_EQ(Stored("LeftPosition"), RegValue(100));
  EXPECT_EQ(Stored("TopPosition"), RegValue(300));
  EXPECT_EQ(Stored("WorkDic"), RegValue(2));
  EXPECT_EQ(Stored("CyrKeyboard"), RegValue(1));
  EXPECT_EQ(Stored("LatKeyboard"), RegValue(0));
  SaveClosingSettings(400, -1);
  EXPECT_EQ(Stored("LeftPosition"), RegValue(400));
  EXPECT_EQ(Stored("TopPosition"), RegValue(100));

  AppSettings.SavePosition = false;
  AppSettings.WorkDic = 1;
  SaveClosingSettings(900, 900);
  EXPECT_EQ(Stored("LeftPosition"), RegValue(400));
  EXPECT_EQ(Stored("WorkDic"), RegValue(1));
}

TEST_F(SettingsTest, WorkDicIsANonNegativeIndex) {
  EXPECT_EQ(ReadWorkDic(), 0);
  const std::pair<RegValue, std::int16_t> cases[] = {
      {RegValue(2), 2},
      {RegValue(-3), 0},
      {RegValue(32767), 32767},
      {RegValue(32768), 0},
      {RegValue(std::string("1")), 1},
      {RegValue(RegBytes{platform::kRegBinary, "\x05"}), 0},
  };
  for (const auto& [stored, index] : cases) {
    Put("WorkDic", stored);
    EXPECT_EQ(ReadWorkDic(), index);
  }
}

TEST_F(SettingsTest, AKeyThatCannotBeOpenedStopsBothLoads) {
  Use(1000);
  const std::filesystem::path blocker = home_.Path() / "file";
  std::ofstream(blocker) << "x";
  setenv("XDG_CONFIG_HOME", blocker.c_str(), 1);
  ReplaceRegStore(platform::MakeSystemRegistryStore());
  EXPECT_FALSE(SelectLanguage());
  EXPECT_EQ(AppError.Nomer(), 11);
  AppError.Clear();
  EXPECT_FALSE(LoadSettings(kWidth, kHeight));
  EXPECT_EQ(AppError.Nomer(), 11);
  EXPECT_EQ(AppError.MsgText(), "Error while trying to open registry.");
}

}  // namespace
}  // namespace vokabi
