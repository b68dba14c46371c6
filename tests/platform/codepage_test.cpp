#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace vokabi::platform {
namespace {

constexpr int kWestern = 0;
constexpr int kCyrillic = 204;

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
  // Text longer than one conversion buffer passes through whole.
  std::string text;
  for (int i = 0; i < 2000; ++i) text += "\xE4\xF3\xEC\xE0 ";
  EXPECT_EQ(EncodeCharset(kCyrillic, DecodeCharset(kCyrillic, text).utf8).bytes, text);
}

TEST(CodepageTest, DecodingCountsUndefinedBytes) {
  for (const int unknown : {1, 128, -1, 99999}) EXPECT_EQ(CodePageForCharset(unknown), 1252);
  const std::tuple<int, const char*, const char*, std::size_t> cases[] = {
      {kWestern, "caf\xE9 \x80", "café €", 0},
      {kCyrillic, "\xE9\xA8", "йЁ", 0},
      {kWestern, "a\x81z\x8D\x8F\x90\x9D", "a\uFFFDz\uFFFD\uFFFD\uFFFD\uFFFD", 5},
      {kCyrillic, "\x98\xC0", "\uFFFDА", 1},
      // Windows-1258 holds a letter back for a combining accent; it must still come first.
      {163, "a\x81z", "a\uFFFDz", 1}};
  for (const auto& [charset, bytes, utf8, undefined] : cases) {
    const Decoded decoded = DecodeCharset(charset, bytes);
    EXPECT_EQ(decoded.utf8, utf8) << charset << " " << bytes;
    EXPECT_EQ(decoded.undefined, undefined) << charset << " " << bytes;
  }
}

TEST(CodepageTest, EncodingCountsUnfitCharactersAndInvalidUtf8) {
  const std::tuple<int, const char*, const char*, std::size_t> cases[] = {
      {kWestern, "Ёж café", "?? caf\xE9", 2},
      {kCyrillic, "é€😀x", "?\x88?x", 2},
      // A lone continuation byte, an overlong slash, a surrogate, a value past U+10FFFF; then
      // sequences cut off in the middle and at the end.
      {kWestern, "a\x80g\xC0\xAFh\xED\xA0\x80i\xF4\x90\x80\x80", "a?g??h???i????", 10},
      {kWestern, "\xC3x\xE2\x82", "?x??", 3}};
  for (const auto& [charset, utf8, bytes, unfit] : cases) {
    const Encoded encoded = EncodeCharset(charset, utf8);
    EXPECT_EQ(encoded.bytes, bytes) << utf8;
    EXPECT_EQ(encoded.unfit, unfit) << utf8;
  }
  EXPECT_FALSE(FitsCharset(kWestern, "дума"));
  EXPECT_TRUE(FitsCharset(kCyrillic, "дума"));
  EXPECT_TRUE(FitsCharset(kWestern, ""));
}

}  // namespace
}  // namespace vokabi::platform
