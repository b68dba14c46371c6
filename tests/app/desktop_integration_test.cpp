#include "app/desktop_integration.h"

#include <gtest/gtest.h>

#include "settings_fixture.h"

namespace vokabi {
namespace {

class DesktopIntegrationTest : public SettingsFixture {
 protected:
  static std::optional<platform::RegValue> MenuValue(std::int32_t offset, std::string_view name) {
    return Store().QueryValue(RegRoot::CurrentUser, BrowserMenuKey(offset), name);
  }
};

TEST_F(DesktopIntegrationTest, ScriptDoublesEveryBackslashOfThePath) {
  EXPECT_EQ(DoubleBackslashes("C:\\Programs\\Vokabi\\Vokabi.exe"),
            "C:\\\\Programs\\\\Vokabi\\\\Vokabi.exe");
  EXPECT_EQ(DoubleBackslashes("\\\\"), "\\\\\\\\");
  EXPECT_EQ(BrowserMenuScript("C:\\Programs\\Vokabi\\Vokabi.exe"),
            "javascript:var ws = new ActiveXObject (\"WScript.Shell\");ws.run(\""
            "C:\\\\Programs\\\\Vokabi\\\\Vokabi.exe\" + ' ' + "
            "external.menuArguments.document.selection.createRange().text);");
}

TEST_F(DesktopIntegrationTest, LanguageChangeMovesTheMenuKey) {
  EXPECT_EQ(BrowserMenuKey(0), std::string(kMenuExtKey) + "\\Преведи с Вокаби®");
  EXPECT_EQ(BrowserMenuKey(1000), std::string(kMenuExtKey) + "\\Translate with Vokabi®");
  EXPECT_EQ(BrowserMenuKey(3000), std::string(kMenuExtKey) + "\\Übersetzen Sie mit Vokabi®");

  Use(0);
  InstallBrowserMenu("/opt/vokabi/vokabi");
  EXPECT_EQ(MenuValue(0, ""), platform::RegValue(BrowserMenuScript("/opt/vokabi/vokabi")));
  EXPECT_EQ(MenuValue(0, "Contexts"), platform::RegValue(std::int32_t{16}));

  Use(1000);
  RemoveBrowserMenus();
  InstallBrowserMenu("/opt/vokabi/vokabi");
  EXPECT_FALSE(MenuValue(0, "Contexts").has_value());
  EXPECT_EQ(MenuValue(1000, "Contexts"), platform::RegValue(std::int32_t{16}));
}

TEST_F(DesktopIntegrationTest, RemovingTakesEveryLanguagesKeyAndNoOtherEntry) {
  for (const std::int32_t offset : kAllOffsets) {
    Use(offset);
    InstallBrowserMenu("/opt/vokabi/vokabi");
  }
  const std::string other = std::string(kMenuExtKey) + "\\Another program";
  ASSERT_TRUE(Store().CreateKey(RegRoot::CurrentUser, other));
  RemoveBrowserMenus();
  for (const std::int32_t offset : kAllOffsets)
    EXPECT_FALSE(Store().DeleteKey(RegRoot::CurrentUser, BrowserMenuKey(offset))) << offset;
  EXPECT_TRUE(Store().DeleteKey(RegRoot::CurrentUser, other));
}

TEST_F(DesktopIntegrationTest, StartWithTheSessionWritesAndRemovesBothEntries) {
  const ProgramFile program{"/opt/My Vokabi/vokabi", "PNG"};
  const std::filesystem::path autostart = home_.Path() / "autostart" / "vokabi.desktop";

  // Off with nothing there: no hive is made, no message set.
  SetStartWithWindows(false, program);
  EXPECT_FALSE(std::filesystem::exists(home_.Hives() / "machine.reg"));
  EXPECT_EQ(AppError.Nomer(), 0);

  SetStartWithWindows(true, program);
  EXPECT_EQ(Store().QueryValue(RegRoot::LocalMachine, kRunKey, "vokabi"),
            platform::RegValue(std::string("\"/opt/My Vokabi/vokabi\" /1")));
  EXPECT_TRUE(std::filesystem::exists(autostart));

  SetStartWithWindows(false, program);
  EXPECT_FALSE(Store().QueryValue(RegRoot::LocalMachine, kRunKey, "vokabi").has_value());
  EXPECT_FALSE(std::filesystem::exists(autostart));
}

}  // namespace
}  // namespace vokabi
