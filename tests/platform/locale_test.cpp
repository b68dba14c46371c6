#include "platform/locale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

namespace vokabi::platform {
namespace {

TEST(LocaleTest, NamesMapToWindowsIdentifiers) {
  const std::pair<const char*, std::uint32_t> known[] = {{"bg_BG", 0x0402},
                                                         {"ru_RU", 0x0419},
                                                         {"es_ES", 0x0C0A},
                                                         {"de_CH", 0x0807},
                                                         {"en_US", 0x0409}};
  for (const auto& [name, id] : known) EXPECT_EQ(LocaleIdForName(name), id) << name;
  for (const char* suffixed : {"bg_BG.UTF-8", "bg_BG@euro", "bg_BG.CP1251@cyrillic"})
    EXPECT_EQ(LocaleIdForName(suffixed), 0x0402u) << suffixed;
  for (const char* unknown : {"", "C", "POSIX", "C.UTF-8", "bg", "de_XX", "bg_BGx"})
    EXPECT_EQ(LocaleIdForName(unknown), 0u) << unknown;
}

TEST(ThreadLocaleTest, FirstNonEmptyVariableWinsAndUnknownIsEnglish) {
  // The variables are put back at the end, so other tests see the real locale.
  const char* const names[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
  std::optional<std::string> saved[3];
  for (int i = 0; i < 3; ++i) {
    if (const char* value = std::getenv(names[i])) saved[i] = value;
    unsetenv(names[i]);
  }
  EXPECT_EQ(ThreadLocale(), 0x0409u);
  setenv("LANG", "bg_BG.UTF-8", 1);
  EXPECT_EQ(ThreadLocale(), 0x0402u);
  setenv("LC_MESSAGES", "fr_FR.UTF-8", 1);
  EXPECT_EQ(ThreadLocale(), 0x040Cu);
  setenv("LC_ALL", "it_IT", 1);
  EXPECT_EQ(ThreadLocale(), 0x0410u);
  setenv("LC_ALL", "", 1);
  EXPECT_EQ(ThreadLocale(), 0x040Cu);
  for (const char* plain : {"C", "POSIX", "C.UTF-8", "ja_JP.UTF-8"}) {
    setenv("LC_ALL", plain, 1);
    EXPECT_EQ(ThreadLocale(), 0x0409u) << plain;
  }
  for (int i = 0; i < 3; ++i) {
    unsetenv(names[i]);
    if (saved[i]) setenv(names[i], saved[i]->c_str(), 1);
  }
}

}  // namespace
}  // namespace vokabi::platform
