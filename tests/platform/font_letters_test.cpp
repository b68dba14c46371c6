// The font check reads the fonts the test packages install: DejaVu Sans with Latin and Cyrillic
// letters, Caladea with Latin ones only, and the symbol fonts Standard Symbols PS and D050000L.
#include "platform/font_letters.h"

#include <gtest/gtest.h>

namespace vokabi::platform {
namespace {

TEST(FontLettersTest, LettersComeFromTheUnicodeMapOfThatFamily) {
  EXPECT_TRUE(FontHasLetters("DejaVu Sans", "Aaé ЖжЩщ"));
  EXPECT_TRUE(FontHasLetters("dejavu sans", "Zz"));
  EXPECT_TRUE(FontHasLetters("Caladea", "AaÀàßÿŒœ"));
  EXPECT_FALSE(FontHasLetters("Caladea", "Aa Жж"));
  // Their Unicode maps send the Latin codes to Greek letters, signs and dingbats: no letters.
  EXPECT_FALSE(FontHasLetters("Standard Symbols PS", "A"));
  EXPECT_FALSE(FontHasLetters("D050000L", "z"));
  // A family that is not installed has nothing, whatever fontconfig puts in its place.
  EXPECT_FALSE(FontHasLetters("No Such Family 12345", "A"));
  EXPECT_FALSE(FontHasLetters("", "A"));
  // A sample that is not UTF-8 is no sample of letters.
  EXPECT_FALSE(FontHasLetters("DejaVu Sans", "\xC3"));
}

}  // namespace
}  // namespace vokabi::platform
