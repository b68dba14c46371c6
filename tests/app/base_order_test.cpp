#include "app/base_order.h"

#include <gtest/gtest.h>

namespace vokabi {
namespace {

TEST(BaseOrderTest, NamesSortWithoutRegardToCase) {
  std::vector<std::string> names = {"rubg.vkb", "ENBG.vkb", "debg.VKB", "esbg.vkb", "Itbg.vkb",
                                    "frbg.vkb", "a_b.vkb",  "aZ.vkb",   "enbg.vkb", "1.vkb"};
  SortBaseNames(names);
  // Capitals come before "_" as Windows compares them; a name twice in two cases keeps a fixed
  // order.
  EXPECT_EQ(names,
            (std::vector<std::string>{"1.vkb", "aZ.vkb", "a_b.vkb", "debg.VKB", "ENBG.vkb",
                                      "enbg.vkb", "esbg.vkb", "frbg.vkb", "Itbg.vkb", "rubg.vkb"}));
}

std::array<std::string, 7> Named(const std::string& english) {
  std::array<std::string, 7> names;
  names[1] = english;
  names[3] = "Deutsch,Bulgarisch";  // other languages' names never decide
  return names;
}

TEST(BaseOrderTest, ANewUserStartsWithTheInterfaceLanguagesPair) {
  const std::vector<std::array<std::string, 7>> six = {
      Named("German,Bulgarian"), Named("English,Bulgarian"), Named("Spanish,Bulgarian"),
      Named("French,Bulgarian"), Named("Italian,Bulgarian"), Named("Russian, Bulgarian")};
  EXPECT_EQ(FirstWorkingBase(six, 3), 0);
  EXPECT_EQ(FirstWorkingBase(six, 4), 2);
  EXPECT_EQ(FirstWorkingBase(six, 6), 5);
  EXPECT_EQ(FirstWorkingBase(six, 1), 1);
  // There is no Bulgarian-Bulgarian base: English, as for a language without a base.
  EXPECT_EQ(FirstWorkingBase(six, 0), 1);
  EXPECT_EQ(FirstWorkingBase({Named("German,Bulgarian"), Named("bulgarian,english")}, 5), 1);
  // A base of two other languages, or with one name only, pairs nothing with Bulgarian.
  EXPECT_EQ(
      FirstWorkingBase({Named("German,Bulgarian"), Named("French,German"), Named("French")}, 2), 0);
  EXPECT_EQ(FirstWorkingBase({}, 3), 0);
}

}  // namespace
}  // namespace vokabi
