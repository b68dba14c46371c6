#include "app/guess_charset.h"

#include <gtest/gtest.h>

namespace vokabi {
namespace {

TEST(GuessCharset, CyrillicOnlyWhenNoLatinLetter) {
  EXPECT_EQ(GuessCharset("къща"), 204);
  EXPECT_EQ(GuessCharset("house"), 0);
  // Latin wins over Cyrillic in a mixed text.
  EXPECT_EQ(GuessCharset("къщаa"), 0);
  EXPECT_EQ(GuessCharset("a къща"), 0);
  // Digits and signs mark nothing: neither set is the Western one.
  EXPECT_EQ(GuessCharset("12-34"), 0);
  EXPECT_EQ(GuessCharset("12 къща!"), 204);
}

TEST(GuessCharset, OnlySmallLettersMarkASet) {
  // The text arrives in lower case; capitals alone mark nothing.
  EXPECT_EQ(GuessCharset("HOUSE"), 0);
  EXPECT_EQ(GuessCharset("КЪЩА"), 0);
  // ё lies below а in the Cyrillic code page.
  EXPECT_EQ(GuessCharset("ёё"), 0);
  EXPECT_EQ(GuessCharset("ёж"), 204);
  // A Western letter the Cyrillic code page lacks is no Cyrillic letter.
  EXPECT_EQ(GuessCharset("éé"), 0);
}

TEST(GuessCharset, EmptyAndLoneCharacters) {
  EXPECT_EQ(GuessCharset(""), 0);
  EXPECT_EQ(GuessCharset("ж"), 204);
  // A lone character is Cyrillic above 128: Ё (168) is, a Latin letter or a digit is not.
  EXPECT_EQ(GuessCharset("Ё"), 204);
  EXPECT_EQ(GuessCharset("a"), 0);
  EXPECT_EQ(GuessCharset("7"), 0);
  EXPECT_EQ(GuessCharset("é"), 0);
}

}  // namespace
}  // namespace vokabi
