#include "app/registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>

#include "settings_fixture.h"

namespace vokabi {
namespace {

using platform::RegBytes;
using platform::RegValue;

constexpr RegRoot kUser = RegRoot::CurrentUser;
constexpr std::string_view kKey = kSettingsKey;

using RegistryModuleTest = SettingsFixture;

TEST_F(RegistryModuleTest, QueryRegValueFollowsTheTypeRules) {
  const RegVariant defaults[] = {RegVariant(), RegVariant(std::string("fallback")), RegVariant(7)};
  for (const RegVariant& fallback : defaults) {
    EXPECT_EQ(QueryRegValue(kUser, kKey, "Missing", fallback), fallback);
    Put("Other", 1);
    EXPECT_EQ(QueryRegValue(kUser, kKey, "Missing", fallback), fallback);
  }
  Put("Text", std::string("Arial"));
  Put("Number", -12);
  Put("Binary", RegBytes{platform::kRegBinary, "\x01"});
  Put("Expand", RegBytes{2, std::string("%\0\0\0", 4)});
  Put("ShortDword", RegBytes{platform::kRegDword, "\x01\x02"});
  EXPECT_EQ(QueryRegValue(kUser, kKey, "TEXT", 5), RegVariant(std::string("Arial")));
  EXPECT_EQ(QueryRegValue(kUser, kKey, "Number", std::string("x")), RegVariant(-12));
  // Another type is empty, not the fallback; a REG_DWORD that is no number is a failed read.
  EXPECT_EQ(QueryRegValue(kUser, kKey, "Binary", 5), RegVariant());
  EXPECT_EQ(QueryRegValue(kUser, kKey, "Expand", std::string("x")), RegVariant());
  EXPECT_EQ(QueryRegValue(kUser, kKey, "ShortDword", 5), RegVariant(5));
  EXPECT_EQ(QueryRegValue(kUser, "Software\\Nowhere", "Text", 3), RegVariant(3));
  EXPECT_FALSE(Store().QueryValue(kUser, "Software\\Nowhere", ""));
}

TEST_F(RegistryModuleTest, SetRegValueWritesIntoExistingKeysOnly) {
  SetRegValue(kUser, kKey, "Early", std::string("x"), kRegSzType);
  EXPECT_FALSE(std::filesystem::exists(home_.Hives() / "user.reg")) << "no key, nothing written";
  ASSERT_TRUE(CreateRegKey(kUser, kKey));
  SetRegValue(kUser, kKey, "Font", std::string("Arial"), kRegSzType);
  SetRegValue(kUser, kKey, "Cyrillic", std::string("Шрифт \"Т\"\n2"), kRegSzType);
  SetRegValue(kUser, kKey, "Number", std::string(" 42"), kRegDwordType);
  SetRegValue(kUser, kKey, "NotNumber", std::string("abc"), kRegDwordType);
  SetRegValue(kUser, kKey, "NumberAsText", -7, kRegSzType);
  SetRegValue(kUser, kKey, "EmptyAsText", RegVariant(), kRegSzType);
  SetRegValue(kUser, kKey, "OtherType", 3, 3);
  // The text comes back as written, without a terminating NUL.
  const RegVariant font = QueryRegValue(kUser, kKey, "Font", RegVariant());
  EXPECT_EQ(font, RegVariant(std::string("Arial")));
  EXPECT_EQ(std::get<std::string>(font).size(), 5u);
  EXPECT_EQ(QueryRegValue(kUser, kKey, "Cyrillic", 0), RegVariant(std::string("Шрифт \"Т\"\n2")));
  EXPECT_EQ(Store().QueryValue(kUser, kKey, "Number"), RegValue(42));
  EXPECT_EQ(Store().QueryValue(kUser, kKey, "NotNumber"), RegValue(0));
  EXPECT_EQ(Store().QueryValue(kUser, kKey, "NumberAsText"), RegValue(std::string("-7")));
  EXPECT_EQ(Store().QueryValue(kUser, kKey, "EmptyAsText"), RegValue(std::string()));
  EXPECT_EQ(Store().QueryValue(kUser, kKey, "OtherType"), RegValue(std::string("3")));
  EXPECT_EQ(QueryRegValue(kUser, kKey, "Early", 0), RegVariant(0));
}

TEST_F(RegistryModuleTest, DeletionsAreSilent) {
  DeleteRegValue(kUser, kKey, "Nothing");
  DeleteRegKey(kUser, kKey);
  Put("Style", std::string("Gold"));
  DeleteRegKey(kUser, "Software\\Tarnvel");  // has a subkey: stays
  DeleteRegValue(kUser, kKey, "style");
  EXPECT_EQ(QueryRegValue(kUser, kKey, "Style", 0), RegVariant(0));
  DeleteRegKey(kUser, kKey);
  EXPECT_FALSE(Store().SetValue(kUser, kKey, "Style", std::string("x"))) << "the key is gone";
  EXPECT_TRUE(Store().DeleteKey(kUser, "Software\\Tarnvel\\Vokabi")) << "its parents stayed";
  EXPECT_EQ(AppError.Nomer(), 0);
}

TEST_F(RegistryModuleTest, CreateRegKeyFailureSetsMessage11) {
  Use(1000);
  // A configuration folder that is a file: nothing can be created under it.
  const std::filesystem::path blocker = home_.Path() / "file";
  std::ofstream(blocker) << "x";
  setenv("XDG_CONFIG_HOME", blocker.c_str(), 1);
  ReplaceRegStore(platform::MakeSystemRegistryStore());
  EXPECT_FALSE(CreateRegKey(kUser, kKey));
  EXPECT_EQ(AppError.Nomer(), 11);
  EXPECT_EQ(AppError.MsgText(), "Error while trying to open registry.");
  AppError.Clear();
  EXPECT_EQ(QueryRegValue(kUser, kKey, "Style", 4), RegVariant(4));
  SetRegValue(kUser, kKey, "Style", 1, kRegDwordType);
  EXPECT_EQ(AppError.Nomer(), 0) << "only CreateRegKey reports";
}

TEST_F(RegistryModuleTest, EmptyReadsAsZeroFalseAndNothing) {
  EXPECT_EQ(RegNumber(RegVariant()), 0);
  EXPECT_FALSE(RegBoolean(RegVariant()));
  EXPECT_EQ(RegText(RegVariant()), "");
  EXPECT_EQ(RegNumber(-5), -5);
  EXPECT_TRUE(RegBoolean(-5));
  EXPECT_FALSE(RegBoolean(0));
  EXPECT_EQ(RegText(-5), "-5");
  const std::pair<const char*, std::int32_t> texts[] = {
      {"12", 12},        {" 12\t", 12}, {"+3", 3}, {"-2147483648", INT32_MIN},
      {"2147483648", 0}, {"abc", 0},    {"1x", 0}, {"", 0},
  };
  for (const auto& [text, number] : texts) EXPECT_EQ(RegNumber(std::string(text)), number) << text;
  EXPECT_TRUE(RegBoolean(std::string("1")));
  EXPECT_FALSE(RegBoolean(std::string("True")));
}

TEST_F(RegistryModuleTest, ADamagedStoreIsReportedOnce) {
  EXPECT_EQ(TakeRegistryDamageNotice(), std::nullopt);
  std::filesystem::create_directories(home_.Hives());
  std::ofstream(home_.Hives() / "user.reg") << "garbage";
  EXPECT_EQ(QueryRegValue(kUser, kKey, "Style", 1), RegVariant(1));
  const std::optional<std::filesystem::path> kept = TakeRegistryDamageNotice();
  ASSERT_TRUE(kept);
  EXPECT_TRUE(std::filesystem::exists(*kept));
  EXPECT_EQ(TakeRegistryDamageNotice(), std::nullopt);
}

}  // namespace
}  // namespace vokabi
