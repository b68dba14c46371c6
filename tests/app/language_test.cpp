#include "app/language.h"

#include <tuple>

#include "language_fixture.h"

namespace vokabi {
namespace {

using LanguageTest = LanguageFixture;

TEST_F(LanguageTest, StoredSettingOrElseThreadLocaleChoosesTheLanguage) {
  // Only the primary locale of a language chooses it: es-ES modern sort and de-CH stay English.
  constexpr std::int32_t none = kNoLanguageStored;
  const std::tuple<std::int32_t, std::uint32_t, std::int32_t, std::int32_t> cases[] = {
      {none, 0x0402, 0, 204},    {none, 0x0419, 6000, 204}, {none, 0x040C, 2000, 0},
      {none, 0x0C0A, 1000, 0},   {none, 0x0807, 1000, 0},   {0, 0x0409, 0, 204},
      {6000, 0x0402, 6000, 204}, {3000, 0x0402, 3000, 0},   {2500, 0x0402, 1000, 0},
      {-1000, 0x0402, 1000, 0},  {7000, 0x0402, 1000, 0},   {100, 0x0402, 1000, 0}};
  for (const auto& [stored, locale, offset, charset] : cases) {
    const InterfaceLanguage language = LanguageForSetting(stored, locale);
    EXPECT_EQ(language.LanguageOffset, offset) << stored << " " << std::hex << locale;
    EXPECT_EQ(language.LanguageCharset, charset) << stored << " " << std::hex << locale;
  }
}

}  // namespace
}  // namespace vokabi
