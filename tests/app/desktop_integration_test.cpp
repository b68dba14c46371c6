#include "app/desktop_integration.h"

#include <gtest/gtest.h>

#include "settings_fixture.h"

namespace vokabi {
namespace {

class DesktopIntegrationTest : public SettingsFixture {
 protected:
  std::optional<platform::RegValue> MenuValue(std::int32_t offset, std::string_view name) {
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
  InstallBrowserMenu(Store(), Language().LanguageOffset, "/opt/vokabi/vokabi");
  EXPECT_EQ(MenuValue(0, ""), platform::RegValue(BrowserMenuScript("/opt/vokabi/vokabi")));
  EXPECT_EQ(MenuValue(0, "Contexts"), platform::RegValue(std::int32_t{16}));

  Use(1000);
  RemoveBrowserMenus(Store());
  InstallBrowserMenu(Store(), Language().LanguageOffset, "/opt/vokabi/vokabi");
  EXPECT_FALSE(MenuValue(0, "Contexts").has_value());
  EXPECT_EQ(MenuValue(1000, "Contexts"), platform::RegValue(std::int32_t{16}));
}

TEST_F(DesktopIntegrationTest, RemovingTakesEveryLanguagesKeyAndNoOtherEntry) {
  for (const std::int32_t offset : kAllOffsets) {
    Use(offset);
    InstallBrowserMenu(Store(), Language().LanguageOffset, "/opt/vokabi/vokabi");
  }
  const std::string other = std::string(kMenuExtKey) + "\\Another program";
  ASSERT_TRUE(Store().CreateKey(RegRoot::CurrentUser, other));
  RemoveBrowserMenus(Store());
  for (const std::int32_t offset : kAllOffsets)
    EXPECT_FALSE(Store().DeleteKey(RegRoot::CurrentUser, BrowserMenuKey(offset))) << offset;
  EXPECT_TRUE(Store().DeleteKey(RegRoot::CurrentUser, other));
}

}  // namespace
}  // namespace vokabi
