#include "app/language.h"

#include "language_fixture.h"

namespace vokabi {
namespace {

using LanguageTest = LanguageFixture;

TEST_F(LanguageTest, StoredValueChoosesTheLanguage) {
  for (const std::int32_t offset : kAllOffsets) {
    ApplyLanguageSetting(offset, 0x0402);
    EXPECT_EQ(LanguageOffset, offset);
    EXPECT_EQ(LanguageCharset, offset == 0 || offset == 6000 ? 204 : 0) << offset;
  }
}

TEST_F(LanguageTest, UnknownStoredValueIsEnglish) {
  for (const std::int32_t stored : {2500, 1, -1000, 7000, 98, 100}) {
    Use(6000);
    ApplyLanguageSetting(stored, 0x0402);
    EXPECT_EQ(LanguageOffset, 1000) << stored;
    EXPECT_EQ(LanguageCharset, 0) << stored;
  }
}

TEST_F(LanguageTest, NothingStoredFollowsTheThreadLocale) {
  ApplyLanguageSetting(kNoLanguageStored, 0x0402);
  EXPECT_EQ(LanguageOffset, 0);
  EXPECT_EQ(LanguageCharset, 204);

  ApplyLanguageSetting(kNoLanguageStored, 0x0419);
  EXPECT_EQ(LanguageOffset, 6000);
  EXPECT_EQ(LanguageCharset, 204);

  ApplyLanguageSetting(kNoLanguageStored, 0x0C0A);
  EXPECT_EQ(LanguageOffset, 1000);
  EXPECT_EQ(LanguageCharset, 0);
}

TEST(OffsetForLocaleTest, OnlyPrimaryLocalesChooseTheirLanguage) {
  EXPECT_EQ(OffsetForLocale(0x0402), 0);
  EXPECT_EQ(OffsetForLocale(0x0407), 3000);
  EXPECT_EQ(OffsetForLocale(0x040A), 4000);
  EXPECT_EQ(OffsetForLocale(0x040C), 2000);
  EXPECT_EQ(OffsetForLocale(0x0410), 5000);
  EXPECT_EQ(OffsetForLocale(0x0419), 6000);
  for (const std::uint32_t other : {0x0409u, 0x0809u, 0x0C0Au, 0x080Au, 0x0807u, 0x0C07u, 0x080Cu,
                                    0x0810u, 0x0819u, 0u, 0x0002u, 0x10402u})
    EXPECT_EQ(OffsetForLocale(other), 1000) << std::hex << other;
}

}  // namespace
}  // namespace vokabi
