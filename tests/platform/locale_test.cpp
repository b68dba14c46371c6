#include "platform/locale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

namespace vokabi::platform {
namespace {

TEST(LocaleTest, NamesMapToWindowsIdentifiers) {
  const std::pair<const char*, std::uint32_t> known[] = {
      {"bg_BG", 0x0402},       {"de_DE", 0x0407},      {"de_CH", 0x0807},
      {"de_AT", 0x0C07},       {"fr_FR", 0x040C},      {"fr_CA", 0x0C0C},
      {"fr_BE", 0x080C},       {"fr_CH", 0x100C},      {"it_IT", 0x0410},
      {"it_CH", 0x0810},       {"ru_RU", 0x0419},      {"es_ES", 0x0C0A},
      {"es_MX", 0x080A},       {"en_US", 0x0409},      {"en_GB", 0x0809},
      {"bg_BG.UTF-8", 0x0402}, {"de_DE@euro", 0x0407}, {"ru_RU.CP1251@cyrillic", 0x0419}};
  for (const auto& [name, id] : known) EXPECT_EQ(LocaleIdForName(name), id) << name;
  for (const char* unknown : {"", "C", "POSIX", "C.UTF-8", "bg", "de_XX", "bg_BGx"})
    EXPECT_EQ(LocaleIdForName(unknown), 0u) << unknown;
}

// Sets the locale variables for one test and puts the old ones back.
class ThreadLocaleTest : public ::testing::Test {
 protected:
  static constexpr const char* kVariables[] = {"LC_ALL", "LC_MESSAGES", "LANG"};

  void SetUp() override {
    for (int i = 0; i < 3; ++i) {
      if (const char* value = std::getenv(kVariables[i])) saved_[i] = value;
      unsetenv(kVariables[i]);
    }
  }
  void TearDown() override {
    for (int i = 0; i < 3; ++i) {
      if (saved_[i]) {
        setenv(kVariables[i], saved_[i]->c_str(), 1);
      } else {
        unsetenv(kVariables[i]);
      }
    }
  }

 private:
  std::optional<std::string> saved_[3];
};

TEST_F(ThreadLocaleTest, FirstNonEmptyVariableWins) {
  EXPECT_EQ(ThreadLocale(), 0x0409u);
  setenv("LANG", "bg_BG.UTF-8", 1);
  EXPECT_EQ(ThreadLocale(), 0x0402u);
  setenv("LC_MESSAGES", "fr_FR.UTF-8", 1);
  EXPECT_EQ(ThreadLocale(), 0x040Cu);
  setenv("LC_ALL", "it_IT", 1);
  EXPECT_EQ(ThreadLocale(), 0x0410u);
  setenv("LC_ALL", "", 1);
  EXPECT_EQ(ThreadLocale(), 0x040Cu);
}

TEST_F(ThreadLocaleTest, UnknownOrPlainLocaleIsEnglish) {
  setenv("LANG", "ru_RU.UTF-8", 1);
  for (const char* value : {"C", "POSIX", "C.UTF-8", "ja_JP.UTF-8"}) {
    setenv("LC_ALL", value, 1);
    EXPECT_EQ(ThreadLocale(), 0x0409u) << value;
  }
}

}  // namespace
}  // namespace vokabi::platform
