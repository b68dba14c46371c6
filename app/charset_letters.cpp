#include "app/charset_letters.h"

#include "app/affix_rules.h"
#include "platform/codepage.h"

namespace vokabi {

CharsetLetters::CharsetLetters(int charset) {
  for (int byte = 0; byte < 256; ++byte) {
    const platform::Decoded decoded = platform::DecodeCharset(charset, std::string(1, char(byte)));
    const std::u32string text = ToUtf32(decoded.utf8);
    decode_[byte] = text.size() == 1 && decoded.undefined == 0 ? text[0] : U'\uFFFD';
    if (decode_[byte] == U'\uFFFD') continue;
    // The byte the code page's own encoder gives, should two bytes show the same character.
    const platform::Encoded encoded = platform::EncodeCharset(charset, decoded.utf8);
    if (encoded.unfit == 0 && encoded.bytes.size() == 1) encode_[text[0]] = encoded.bytes[0];
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
