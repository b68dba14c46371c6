#include "app/system_case_map.h"

#include <gtest/gtest.h>

namespace vokabi {
namespace {

TEST(SystemCaseMapTest, AsciiIsTheEngineRule) {
  const CaseMap ascii = CaseMap::Ascii();
  for (const int charset : {0, 204, 162, 222}) {
    const CaseMap map = SystemCaseMap(charset);
    for (int c = 0; c < 0x80; ++c) {
      EXPECT_EQ(map.upper[c], ascii.upper[c]) << charset << " " << c;
      EXPECT_EQ(map.lower[c], ascii.lower[c]) << charset << " " << c;
    }
  }
}

TEST(SystemCaseMapTest, CarriesTheCodePageLetters) {
  const CaseMap map = SystemCaseMap(204);
  EXPECT_EQ(map.upper[0xEA], 0xCA);  // к К
  EXPECT_EQ(map.lower[0xA8], 0xB8);  // Ё ё
}

}  // namespace
}  // namespace vokabi
