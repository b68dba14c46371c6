#include "platform/case_map.h"

#include <gtest/gtest.h>

namespace vokabi::platform {
namespace {

TEST(CaseMapTest, AsciiIsTheEngineRule) {
  const CaseMap ascii = CaseMap::Ascii();
  for (const int charset : {0, 204, 162, 222}) {
    const CaseMap map = CaseMapForCharset(charset);
    for (int c = 0; c < 0x80; ++c) {
      EXPECT_EQ(map.upper[c], ascii.upper[c]) << charset << " " << c;
      EXPECT_EQ(map.lower[c], ascii.lower[c]) << charset << " " << c;
    }
  }
}

TEST(CaseMapTest, WesternLetters) {
  const CaseMap map = CaseMapForCharset(0);
  EXPECT_EQ(map.upper[0xE9], 0xC9);  // é
  EXPECT_EQ(map.lower[0xC9], 0xE9);
  EXPECT_EQ(map.upper[0xFF], 0x9F);  // ÿ to Ÿ, far from its partner
  EXPECT_EQ(map.lower[0x9F], 0xFF);
  // ß has no single capital; undefined bytes and signs keep themselves.
  for (const int same : {0xDF, 0x81, 0x80, 0xD7, 0xA0}) {
    EXPECT_EQ(map.upper[same], same) << same;
    EXPECT_EQ(map.lower[same], same) << same;
  }
}

TEST(CaseMapTest, CyrillicLetters) {
  const CaseMap map = CaseMapForCharset(204);
  const int pairs[][2] = {{0xCA, 0xEA}, {0xDA, 0xFA}, {0xA8, 0xB8}, {0xC0, 0xE0}, {0xDF, 0xFF}};
  for (const auto& [upper, lower] : pairs) {
    EXPECT_EQ(map.upper[lower], upper) << lower;
    EXPECT_EQ(map.lower[upper], lower) << upper;
    EXPECT_EQ(map.upper[upper], upper) << upper;
    EXPECT_EQ(map.lower[lower], lower) << lower;
  }
  EXPECT_EQ(map.upper[0x98], 0x98);  // undefined in Windows-1251
}

TEST(CaseMapTest, UnknownCharsetIsWestern) {
  const CaseMap unknown = CaseMapForCharset(77);
  const CaseMap western = CaseMapForCharset(0);
  EXPECT_EQ(unknown.upper, western.upper);
  EXPECT_EQ(unknown.lower, western.lower);
}

}  // namespace
}  // namespace vokabi::platform
