#include <windows.h>
// The settings and the browser's menu entry in the system's registry, read back through the
// system's own wide functions.
#include <gtest/gtest.h>

#include <string>

#include "app/app_context.h"
#include "app/desktop_integration.h"
#include "app/registry.h"
#include "app/settings.h"
#include "language_fixture.h"

namespace vokabi {
namespace {

constexpr std::int32_t kWidth = 1024 * 15;
constexpr std::int32_t kHeight = 768 * 15;
constexpr const wchar_t* kSettings = L"Software\\Tarnvel\\Vokabi\\Settings";
constexpr const wchar_t* kMenuExt = L"Software\\Microsoft\\Internet Explorer\\MenuExt";

// Each test starts from a registry without the program's keys and leaves none behind.
class WindowsSettingsTest : public LanguageFixture {
 protected:
  WindowsSettingsTest() { Clean(); }
  ~WindowsSettingsTest() override { Clean(); }

  InterfaceLanguage& Language() override { return context_.Language; }

  static void Clean() {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tarnvel");
    RegDeleteTreeW(HKEY_CURRENT_USER, kMenuExt);
    HKEY run = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                      KEY_ALL_ACCESS, &run) == ERROR_SUCCESS) {
      RegDeleteValueW(run, L"Vokabi");
      RegCloseKey(run);
    }
  }

  static std::wstring Text(HKEY root, const std::wstring& key, const wchar_t* name) {
    wchar_t text[512] = {};
    DWORD size = sizeof text;
    if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
      return L"(none)";
    return text;
  }

  static DWORD Number(const std::wstring& key, const wchar_t* name) {
    DWORD number = 0xDEAD;
    DWORD size = sizeof number;
    RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_DWORD, nullptr, &number, &size);
    return number;
  }

  static void Raw(const wchar_t* name, DWORD type, const std::string& bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kSettings, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
  }

  AppContext context_{platform::MakeSystemRegistryStore()};
};

TEST_F(WindowsSettingsTest, SettingsRoundTripThroughTheRegistry) {
  ASSERT_TRUE(SelectLanguage(context_));
  Use(6000);
  SettingsRecord record;
  record.AlwaysOnTop = true;
  record.SavePosition = false;
  record.StartWithWindows = true;
  record.MinimizeToTray = false;
  record.SystrayIcon = true;
  record.UseFont = "Times New Roman";
  record.Style = "Blue dark";
  record.PrinterName = "Принтер на Иван";
  record.CompleteWord = false;
  record.ClipboardTranslate = true;
  record.SelectionTranslate = true;
  record.IEintegration = true;
  context_.AppSettings = record;
  SaveSettings(context_);
  context_.AppSettings.CyrKeyboard = true;
  context_.AppSettings.LatKeyboard = false;
  context_.AppSettings.SavePosition = true;
  SaveClosingSettings(context_, 300, 450);

  EXPECT_EQ(Number(kSettings, L"AlwaysOnTop"), 1u);
  EXPECT_EQ(Number(kSettings, L"CompleteWord"), 0u);
  EXPECT_EQ(Number(kSettings, L"Language"), 6000u);
  EXPECT_EQ(Number(kSettings, L"LeftPosition"), 300u);
  EXPECT_EQ(Text(HKEY_CURRENT_USER, kSettings, L"Style"), L"Blue dark");
  EXPECT_EQ(Text(HKEY_CURRENT_USER, kSettings, L"PrinterName"), L"Принтер на Иван");

  context_.AppSettings = SettingsRecord{};
  Use(1000);
  ASSERT_TRUE(SelectLanguage(context_));
  EXPECT_EQ(context_.Language.LanguageOffset, 6000);
  ASSERT_TRUE(LoadSettings(context_, kWidth, kHeight));
  record.CyrKeyboard = true;
  record.LeftPosition = 300;
  record.TopPosition = 450;
  EXPECT_EQ(context_.AppSettings, record);
}

// A folder three backslashes deep: the script doubles each, the Run value keeps them.
TEST_F(WindowsSettingsTest, BrowserMenuAndRunEntriesAreWhatWindowsReads) {
  const std::string exe = "C:\\Programs\\Vokabi\\Vokabi.exe";
  Use(1000);
  InstallBrowserMenu(context_.Store(), context_.Language.LanguageOffset, exe);
  const std::wstring english = std::wstring(kMenuExt) + L"\\Translate with Vokabi®";
  EXPECT_EQ(Text(HKEY_CURRENT_USER, english, L""),
            L"javascript:var ws = new ActiveXObject (\"WScript.Shell\");ws.run(\""
            L"C:\\\\Programs\\\\Vokabi\\\\Vokabi.exe\" + ' ' + "
            L"external.menuArguments.document.selection.createRange().text);");
  EXPECT_EQ(Number(english, L"Contexts"), 16u);

  Use(0);
  InstallBrowserMenu(context_.Store(), context_.Language.LanguageOffset, exe);
  EXPECT_EQ(Number(std::wstring(kMenuExt) + L"\\Преведи с Вокаби®", L"Contexts"), 16u);
  RemoveBrowserMenus(context_.Store());
  HKEY left = nullptr;
  EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, english.c_str(), 0, KEY_READ, &left), ERROR_SUCCESS);
  EXPECT_NE(
      RegOpenKeyExW(HKEY_CURRENT_USER, (std::wstring(kMenuExt) + L"\\Преведи с Вокаби®").c_str(), 0,
                    KEY_READ, &left),
      ERROR_SUCCESS);

  SetStartWithWindows(context_.Store(), true, ProgramFile{exe, {}});
  EXPECT_EQ(
      Text(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", L"Vokabi"),
      L"C:\\Programs\\Vokabi\\Vokabi.exe /1");
  SetStartWithWindows(context_.Store(), false, ProgramFile{exe, {}});
  SetStartWithWindows(context_.Store(), false, ProgramFile{exe, {}});
  EXPECT_EQ(
      Text(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", L"Vokabi"),
      L"(none)");
}

// Values another program damaged or typed otherwise read as the defaults.
TEST_F(WindowsSettingsTest, DamagedValuesReadAsTheDefaults) {
  Raw(L"CompleteWord", REG_DWORD, std::string("\x00\x00", 2));
  Raw(L"SavePosition", REG_BINARY, std::string("\x00\x00\x00\x00", 4));
  Raw(L"AlwaysOnTop", REG_BINARY, std::string("\x01\x00\x00\x00", 4));
  Raw(L"LeftPosition", REG_DWORD, std::string("\x10\x27", 2));
  Raw(L"Language", REG_DWORD, std::string("\xE8\x03\x00", 3));
  ASSERT_TRUE(SelectLanguage(context_));
  ASSERT_TRUE(LoadSettings(context_, kWidth, kHeight));
  EXPECT_TRUE(context_.AppSettings.CompleteWord);
  EXPECT_FALSE(context_.AppSettings.SavePosition);
  EXPECT_FALSE(context_.AppSettings.AlwaysOnTop);
  EXPECT_EQ(context_.AppSettings.LeftPosition, 2000);
  EXPECT_EQ(context_.AppError.Nomer(), msg::kNone);
}

}  // namespace
}  // namespace vokabi
