#include "app/registry.h"

#include <gtest/gtest.h>

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
  EXPECT_EQ(QueryRegValue(context_.Store(), kUser, kKey, "Missing", 7), RegVariant(7));
  Put("Text", std::string("Arial"));
  Put("Number", -12);
  Put("Binary", RegBytes{platform::kRegBinary, "\x01"});
  Put("ShortDword", RegBytes{platform::kRegDword, "\x01\x02"});
  EXPECT_EQ(QueryRegValue(context_.Store(), kUser, kKey, "Missing", RegVariant()), RegVariant());
  EXPECT_EQ(QueryRegValue(context_.Store(), kUser, kKey, "TEXT", 5),
            RegVariant(std::string("Arial")));
  EXPECT_EQ(QueryRegValue(context_.Store(), kUser, kKey, "Number", std::string("x")),
            RegVariant(-12));
  // Another type is empty, not the fallback; a REG_DWORD that is no number is a failed read.
  EXPECT_EQ(QueryRegValue(context_.Store(), kUser, kKey, "Binary", 5), RegVariant());
  EXPECT_EQ(QueryRegValue(context_.Store(), kUser, kKey, "ShortDword", 5), RegVariant(5));
  EXPECT_EQ(QueryRegValue(context_.Store(), kUser, "Software\\Nowhere", "Text", 3), RegVariant(3));
}

TEST_F(RegistryModuleTest, SetRegValueWritesIntoExistingKeysOnly) {
  SetRegValue(context_.Store(), kUser, kKey, "Early", std::string("x"), kRegSzType);
  EXPECT_FALSE(std::filesystem::exists(home_.Hives() / "user.reg")) << "no key, nothing written";
  ASSERT_TRUE(CreateRegKey(context_.Store(), kUser, kKey));
  SetRegValue(context_.Store(), kUser, kKey, "Font", std::string("Arial"), kRegSzType);
  SetRegValue(context_.Store(), kUser, kKey, "Number", std::string(" 42"), kRegDwordType);
  SetRegValue(context_.Store(), kUser, kKey, "NotNumber", std::string("abc"), kRegDwordType);
  SetRegValue(context_.Store(), kUser, kKey, "OtherType", 3, 3);
  // The text comes back as written, without a terminating NUL.
  const RegVariant font = QueryRegValue(context_.Store(), kUser, kKey, "Font", RegVariant());
  EXPECT_EQ(font, RegVariant(std::string("Arial")));
  EXPECT_EQ(std::get<std::string>(font).size(), 5u);
  EXPECT_EQ(Stored("Number"), RegValue(42));
  EXPECT_EQ(Stored("NotNumber"), RegValue(0));
  EXPECT_EQ(Stored("OtherType"), RegValue(std::string("3")));
  EXPECT_EQ(Stored("Early"), std::nullopt);
}

TEST_F(RegistryModuleTest, DeletionsAreSilent) {
  DeleteRegValue(context_.Store(), kUser, kKey, "Nothing");
  DeleteRegKey(context_.Store(), kUser, kKey);
  Put("Style", std::string("Gold"));
  DeleteRegKey(context_.Store(), kUser, "Software\\Tarnvel");  // has a subkey: stays
  DeleteRegValue(context_.Store(), kUser, kKey, "style");
  EXPECT_EQ(Stored("Style"), std::nullopt);
  DeleteRegKey(context_.Store(), kUser, kKey);
  EXPECT_FALSE(Store().SetValue(kUser, kKey, "Style", std::string("x"))) << "the key is gone";
  EXPECT_EQ(context_.AppError.Nomer(), msg::kNone);
}

TEST_F(RegistryModuleTest, EmptyReadsAsZeroFalseAndNothing) {
  EXPECT_EQ(RegNumber(RegVariant()), 0);
  EXPECT_FALSE(RegBoolean(RegVariant()));
  EXPECT_EQ(RegText(RegVariant()), "");
  EXPECT_TRUE(RegBoolean(-5));
  EXPECT_EQ(RegText(-5), "-5");
  const std::pair<const char*, std::int32_t> texts[] = {
      {" 12\t", 12}, {"-2147483648", INT32_MIN}, {"2147483648", 0}, {"1x", 0}, {"", 0}};
  for (const auto& [text, number] : texts) EXPECT_EQ(RegNumber(std::string(text)), number) << text;
  EXPECT_FALSE(RegBoolean(std::string("True")));
}

TEST_F(RegistryModuleTest, ADamagedStoreIsReportedOnce) {
  std::filesystem::create_directories(home_.Hives());
  std::ofstream(home_.Hives() / "user.reg") << "garbage";
  EXPECT_EQ(QueryRegValue(context_.Store(), kUser, kKey, "Style", 1), RegVariant(1));
  const std::optional<std::filesystem::path> kept = context_.Store().TakeDamageNotice();
  ASSERT_TRUE(kept);
  EXPECT_TRUE(std::filesystem::exists(*kept));
  EXPECT_EQ(context_.Store().TakeDamageNotice(), std::nullopt);
}

}  // namespace
}  // namespace vokabi
