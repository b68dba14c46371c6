#include "platform/text_encoding.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vokabi::platform {
namespace {

// Spelling dictionaries name their encodings as Hunspell and ICU do; each must read back whole.
TEST(TextEncodingTest, DictionaryEncodingsConvertBothWays) {
  const struct {
    const char* encoding;
    std::string utf8;
    std::string bytes;
  } cases[] = {
      {"ISO8859-1", "café", "caf\xE9"},
      {"ISO8859-15", "€uro", "\xA4uro"},
      {"microsoft-cp1251", "ёжик", "\xB8\xE6\xE8\xEA"},
      {"KOI8-R", "ёжик", "\xA3\xD6\xC9\xCB"},
      {"UTF-8", "ёжик", "ёжик"},
  };
  for (const auto& one : cases) {
    EXPECT_EQ(ConvertEncoding(one.encoding, "UTF-8", one.utf8), one.bytes) << one.encoding;
    EXPECT_EQ(ConvertEncoding("UTF-8", one.encoding, one.bytes), one.utf8) << one.encoding;
  }
  EXPECT_EQ(ConvertEncoding("ISO8859-1", "UTF-8", ""), "");
}

// A word that does not fit, bytes that are not what they claim and names no one knows give
// nothing, never a word with holes.
TEST(TextEncodingTest, WhatCannotBeConvertedGivesNothing) {
  EXPECT_EQ(ConvertEncoding("ISO8859-1", "UTF-8", "кафе"), std::nullopt);
  EXPECT_EQ(ConvertEncoding("ISO8859-1", "UTF-8", "caf\xC3"), std::nullopt);
  EXPECT_EQ(ConvertEncoding("UTF-8", "UTF-8", "a\xFF"), std::nullopt);
  EXPECT_EQ(ConvertEncoding("NO-SUCH-ENCODING", "UTF-8", "a"), std::nullopt);
  EXPECT_EQ(ConvertEncoding("UTF-8", "", "a"), std::nullopt);
}

TEST(TextEncodingTest, LettersOfEveryScriptAndNothingElse) {
  for (const char32_t letter : {U'a', U'Z', U'é', U'ß', U'я', U'Ж', U'α', U'中'})
    EXPECT_TRUE(IsLetter(letter)) << static_cast<unsigned>(letter);
  for (const char32_t other :
       {U'0', U'9', U'\'', U'-', U' ', U'.', U'\u00A0', U'\0', char32_t{0x110000}})
    EXPECT_FALSE(IsLetter(other)) << static_cast<unsigned>(other);
}

}  // namespace
}  // namespace vokabi::platform
