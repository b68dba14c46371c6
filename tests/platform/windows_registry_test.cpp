#include <windows.h>
// The store under test against the system's registry, read back also through the system's own
// wide functions, as any other Windows program reads it.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/registry.h"

namespace vokabi::platform {
namespace {

constexpr std::string_view kKey = "Software\\Tarnvel\\VokabiTest";
constexpr const wchar_t* kWideKey = L"Software\\Tarnvel\\VokabiTest";

class WindowsRegistryTest : public ::testing::Test {
 protected:
  WindowsRegistryTest() { RegDeleteTreeW(HKEY_CURRENT_USER, kWideKey); }
  ~WindowsRegistryTest() override { RegDeleteTreeW(HKEY_CURRENT_USER, kWideKey); }

  // Writes a value with any type and bytes straight into the test key.
  static void Raw(const wchar_t* name, DWORD type, const std::string& bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kWideKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }

  std::unique_ptr<RegistryStore> store_ = MakeSystemRegistryStore();
};

TEST_F(WindowsRegistryTest, EveryValueKindRoundTrips) {
  const std::string nested = std::string(kKey) + "\\Inner\\Most";
  ASSERT_TRUE(store_->CreateKey(RegRoot::CurrentUser, nested));
  ASSERT_TRUE(store_->CreateKey(RegRoot::CurrentUser, nested));
  const RegValue values[] = {std::string("Arial"),
                             std::string("Преведи с Вокаби® — Ünïcode"),
                             std::string(),
                             std::int32_t{0},
                             std::int32_t{-1},
                             std::int32_t{0x7FFFFFFF},
                             RegBytes{kRegBinary, std::string("\0\x01\xFF", 3)},
                             RegBytes{11, std::string(8, '\x7F')}};  // REG_QWORD
  int n = 0;
  for (const RegValue& value : values) {
    const std::string name = "Value" + std::to_string(n++);
    ASSERT_TRUE(store_->SetValue(RegRoot::CurrentUser, nested, name, value)) << name;
    EXPECT_EQ(store_->QueryValue(RegRoot::CurrentUser, nested, name), value) << name;
  }
  // The default value has the empty name.
  ASSERT_TRUE(store_->SetValue(RegRoot::CurrentUser, kKey, "", std::string("script")));
  EXPECT_EQ(store_->QueryValue(RegRoot::CurrentUser, kKey, ""), RegValue(std::string("script")));

  // Other programs read the text and the number as the system keeps them.
  wchar_t text[64] = {};
  DWORD size = sizeof text;
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Tarnvel\\VokabiTest\\Inner\\Most",
                         L"Value1", RRF_RT_REG_SZ, nullptr, text, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(std::wstring(text), L"Преведи с Вокаби® — Ünïcode");
  DWORD number = 0;
  size = sizeof number;
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Tarnvel\\VokabiTest\\Inner\\Most",
                         L"Value4", RRF_RT_REG_DWORD, nullptr, &number, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(number, 0xFFFFFFFFu);

  EXPECT_TRUE(store_->DeleteValue(RegRoot::CurrentUser, nested, "Value0"));
  EXPECT_FALSE(store_->QueryValue(RegRoot::CurrentUser, nested, "Value0").has_value());
  EXPECT_FALSE(store_->DeleteValue(RegRoot::CurrentUser, nested, "Value0"));
  // A key with subkeys stays; once empty of them it goes.
  EXPECT_FALSE(store_->DeleteKey(RegRoot::CurrentUser, std::string(kKey) + "\\Inner"));
  EXPECT_TRUE(store_->DeleteKey(RegRoot::CurrentUser, nested));
  EXPECT_TRUE(store_->DeleteKey(RegRoot::CurrentUser, std::string(kKey) + "\\Inner"));
  EXPECT_FALSE(store_->SetValue(RegRoot::CurrentUser, nested, "Value0", std::int32_t{1}));
}

// Whatever the system's ANSI code page, Bulgarian and Russian names stay apart and readable.
TEST_F(WindowsRegistryTest, CyrillicKeyNamesAreTheSystemsOwn) {
  const std::string bulgarian = std::string(kKey) + "\\Преведи с Вокаби®";
  const std::string russian = std::string(kKey) + "\\Перевести с Вокаби®";
  ASSERT_TRUE(store_->CreateKey(RegRoot::CurrentUser, bulgarian));
  ASSERT_TRUE(store_->CreateKey(RegRoot::CurrentUser, russian));
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Tarnvel\\VokabiTest\\Преведи с Вокаби®", 0,
                          KEY_READ, &key),
            ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_TRUE(store_->DeleteKey(RegRoot::CurrentUser, bulgarian));
  EXPECT_TRUE(store_->SetValue(RegRoot::CurrentUser, russian, "Contexts", std::int32_t{16}));
  EXPECT_FALSE(store_->CreateKey(RegRoot::CurrentUser, std::string(kKey) + "\\\xFF"));
}

// What another program may have left: numbers of the wrong length are no numbers, text without
// its terminator or with a stray byte is read as far as it goes.
TEST_F(WindowsRegistryTest, DamagedValuesReadAsNothingOrAsFarAsTheyGo) {
  Raw(L"ShortNumber", REG_DWORD, std::string("\x01\x00", 2));
  Raw(L"LongNumber", REG_DWORD, std::string("\x01\x00\x00\x00\x00", 5));
  Raw(L"Unterminated", REG_SZ, std::string("A\0b\0", 4));
  Raw(L"OddBytes", REG_SZ, std::string("A\0b\0\0\0c", 7));
  Raw(L"Empty", REG_SZ, std::string());
  EXPECT_FALSE(store_->QueryValue(RegRoot::CurrentUser, kKey, "ShortNumber").has_value());
  EXPECT_FALSE(store_->QueryValue(RegRoot::CurrentUser, kKey, "LongNumber").has_value());
  EXPECT_EQ(store_->QueryValue(RegRoot::CurrentUser, kKey, "Unterminated"),
            RegValue(std::string("Ab")));
  EXPECT_EQ(store_->QueryValue(RegRoot::CurrentUser, kKey, "OddBytes"),
            RegValue(std::string("Ab")));
  EXPECT_EQ(store_->QueryValue(RegRoot::CurrentUser, kKey, "Empty"), RegValue(std::string()));
  EXPECT_FALSE(store_->QueryValue(RegRoot::CurrentUser, kKey, "Missing").has_value());
}

}  // namespace
}  // namespace vokabi::platform
