#include "platform/case_map.h"

#include <gtest/gtest.h>

namespace vokabi::platform {
namespace {

TEST(CaseMapTest, LettersPairUpAndOtherBytesKeepThemselves) {
  // Charset, capital, small. ÿ and Ÿ lie far apart; ß has no single capital; undefined bytes and
  // signs have no case.
  const int cases[][3] = {{0, 0xC9, 0xE9},   {0, 0x9F, 0xFF},   {0, 0xDF, 0xDF},
                          {0, 0x81, 0x81},   {0, 0xD7, 0xD7},   {0, 0xA0, 0xA0},
                          {204, 0xCA, 0xEA}, {204, 0xA8, 0xB8}, {204, 0xC0, 0xE0},
                          {204, 0xDF, 0xFF}, {204, 0x98, 0x98}};
  for (const auto& [charset, upper, lower] : cases) {
    const CaseTable map = CaseTableForCharset(charset);
    EXPECT_EQ(map.upper[lower], upper) << charset << " " << lower;
    EXPECT_EQ(map.upper[upper], upper) << charset << " " << upper;
    EXPECT_EQ(map.lower[upper], lower) << charset << " " << upper;
    EXPECT_EQ(map.lower[lower], lower) << charset << " " << lower;
  }
  EXPECT_EQ(CaseTableForCharset(77).upper, CaseTableForCharset(0).upper);
  EXPECT_EQ(CaseTableForCharset(77).lower, CaseTableForCharset(0).lower);
}

}  // namespace
}  // namespace vokabi::platform
