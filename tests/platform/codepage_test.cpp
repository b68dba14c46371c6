#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <string>

namespace vokabi::platform {
namespace {

constexpr int kWestern = 0;
constexpr int kCyrillic = 204;

TEST(CodepageTest, CharsetsChooseTheirCodePage) {
  const int pairs[][2] = {{0, 1252},   {204, 1251}, {238, 1250}, {161, 1253}, {162, 1254},
                          {177, 1255}, {178, 1256}, {186, 1257}, {163, 1258}, {222, 874}};
  for (const auto& [charset, codePage] : pairs) EXPECT_EQ(CodePageForCharset(charset), codePage);
  for (const int unknown : {1, 2, 128, 255, -1, 99999})
    EXPECT_EQ(CodePageForCharset(unknown), 1252);
}

TEST(CodepageTest, DefinedBytesSurviveARoundTrip) {
  for (const int charset : {kWestern, kCyrillic}) {
    for (int c = 0x20; c < 0x100; ++c) {
      const std::string byte(1, static_cast<char>(c));
      const Decoded decoded = DecodeCharset(charset, byte);
      if (decoded.undefined != 0) continue;
      const Encoded encoded = EncodeCharset(charset, decoded.utf8);
      EXPECT_EQ(encoded.unfit, 0u) << charset << " byte " << c;
      EXPECT_EQ(encoded.bytes, byte) << charset << " byte " << c;
    }
  }
  EXPECT_EQ(DecodeCharset(kWestern, "caf\xE9 \x80").utf8, "café €");
  EXPECT_EQ(DecodeCharset(kCyrillic, "\xE9\xA8").utf8, "йЁ");
}

TEST(CodepageTest, UndefinedBytesBecomeReplacementCharacters) {
  const Decoded western = DecodeCharset(kWestern, "a\x81z\x8D\x8F\x90\x9D");
  EXPECT_EQ(western.undefined, 5u);
  EXPECT_EQ(western.utf8, "a\uFFFDz\uFFFD\uFFFD\uFFFD\uFFFD");

  const Decoded cyrillic = DecodeCharset(kCyrillic, "\x98\xC0");
  EXPECT_EQ(cyrillic.undefined, 1u);
  EXPECT_EQ(cyrillic.utf8, "\uFFFDА");
}

TEST(CodepageTest, LetterHeldForAnAccentStaysBeforeTheReplacement) {
  // Windows-1258 holds back a base letter in case a combining accent follows.
  const Decoded decoded = DecodeCharset(163, "a\x81z");
  EXPECT_EQ(decoded.utf8, "a\uFFFDz");
  EXPECT_EQ(decoded.undefined, 1u);
}

TEST(CodepageTest, UnfitCharactersBecomeQuestionMarks) {
  const Encoded western = EncodeCharset(kWestern, "Ёж café");
  EXPECT_EQ(western.bytes, "?? caf\xE9");
  EXPECT_EQ(western.unfit, 2u);

  const Encoded cyrillic = EncodeCharset(kCyrillic, "é€😀x");
  EXPECT_EQ(cyrillic.bytes, "?\x88?x");
  EXPECT_EQ(cyrillic.unfit, 2u);

  EXPECT_FALSE(FitsCharset(kWestern, "дума"));
  EXPECT_TRUE(FitsCharset(kCyrillic, "дума"));
  EXPECT_TRUE(FitsCharset(kWestern, ""));
}

TEST(CodepageTest, InvalidUtf8CountsEveryByte) {
  // A lone continuation byte, an overlong slash, a surrogate, a value past U+10FFFF.
  const Encoded encoded = EncodeCharset(kWestern,
                                        "a\x80"
                                        "b\xC0\xAF"
                                        "c\xED\xA0\x80"
                                        "d\xF4\x90\x80\x80");
  EXPECT_EQ(encoded.bytes, "a?b??c???d????");
  EXPECT_EQ(encoded.unfit, 10u);

  // Cut off in the middle and at the end.
  const Encoded cut = EncodeCharset(kWestern,
                                    "\xC3"
                                    "x\xE2\x82");
  EXPECT_EQ(cut.bytes, "?x??");
  EXPECT_EQ(cut.unfit, 3u);
}

TEST(CodepageTest, LongTextPassesThroughWhole) {
  std::string text;
  for (int i = 0; i < 2000; ++i) text += "\xE4\xF3\xEC\xE0 ";
  const Decoded decoded = DecodeCharset(kCyrillic, text);
  EXPECT_EQ(decoded.utf8.size(), 2000u * 9);
  EXPECT_EQ(EncodeCharset(kCyrillic, decoded.utf8).bytes, text);
}

}  // namespace
}  // namespace vokabi::platform
