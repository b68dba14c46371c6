#include "app/charset_letters.h"

#include "app/affix_rules.h"
#include "platform/codepage.h"

namespace vokabi {

CharsetLetters::CharsetLetters(int charset) {
  // All 256 bytes in one conversion each way, where the set converts them one for one; a
  // converter opened 512 times costs a one-word lookup a millisecond.
  std::string bytes(256, '\0');
  for (int byte = 0; byte < 256; ++byte) bytes[byte] = static_cast<char>(byte);
  const std::u32string all = ToUtf32(platform::DecodeCharset(charset, bytes).utf8);
  for (int byte = 0; byte < 256; ++byte) {
    if (all.size() == 256) {
      decode_[byte] = all[byte];
    } else {
      const platform::Decoded one = platform::DecodeCharset(charset, bytes.substr(byte, 1));
      const std::u32string text = ToUtf32(one.utf8);
      decode_[byte] = text.size() == 1 && one.undefined == 0 ? text[0] : U'\uFFFD';
    }
  }
  std::u32string letters;
  for (const char32_t c : decode_) {
    if (c != U'\uFFFD') letters.push_back(c);
  }
  // The byte the code page's own encoder gives, should two bytes show the same character.
  const platform::Encoded encoded = platform::EncodeCharset(charset, FromUtf32(letters));
  for (std::size_t i = 0; i < letters.size(); ++i) {
    if (encoded.unfit == 0 && encoded.bytes.size() == letters.size()) {
      encode_.emplace(letters[i], encoded.bytes[i]);
      continue;
    }
    const platform::Encoded one = platform::EncodeCharset(charset, FromUtf32(letters.substr(i, 1)));
    if (one.unfit == 0 && one.bytes.size() == 1) encode_.emplace(letters[i], one.bytes[0]);
  }
}

std::u32string CharsetLetters::Decode(std::string_view bytes) const {
  std::u32string text;
  text.reserve(bytes.size());
  for (const char c : bytes) text.push_back(decode_[static_cast<unsigned char>(c)]);
  return text;
}

std::optional<std::string> CharsetLetters::Encode(const std::u32string& text) const {
  std::string bytes;
  bytes.reserve(text.size());
  for (const char32_t c : text) {
    const auto found = encode_.find(c);
    if (found == encode_.end()) return std::nullopt;
    bytes.push_back(found->second);
  }
  return bytes;
}

}  // namespace vokabi
