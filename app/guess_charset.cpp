#include "app/guess_charset.h"

#include <string>
#include <vector>

#include "platform/codepage.h"

namespace vokabi {

namespace {

constexpr std::int32_t kWestern = 0;
constexpr std::int32_t kCyrillic = 204;
constexpr unsigned kFirstCyrillicSmall = 224;
constexpr unsigned kLoneCyrillicAbove = 128;

// One byte per character, in the Cyrillic code page; what it lacks becomes '?'.
std::vector<unsigned> CyrillicCodes(std::string_view utf8) {
  std::vector<unsigned> codes;
  std::size_t start = 0;
  while (start < utf8.size()) {
    std::size_t end = start + 1;
    // Continuation bytes belong to the character before them.
    while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) ++end;
    const std::string byte =
        platform::EncodeCharset(kCyrillic, utf8.substr(start, end - start)).bytes;
    codes.push_back(byte.empty() ? 0U : static_cast<unsigned char>(byte[0]));
    start = end;
  }
  return codes;
}

}  // namespace

std::int32_t GuessCharset(std::string_view utf8) {
  const std::vector<unsigned> codes = CyrillicCodes(utf8);
  if (codes.size() == 1) return codes[0] > kLoneCyrillicAbove ? kCyrillic : kWestern;
  bool latin = false;
  bool cyrillic = false;
  for (const unsigned code : codes) {
    if (code >= 'a' && code <= 'z') {
      latin = true;
    } else if (code >= kFirstCyrillicSmall) {
      cyrillic = true;
    }
  }
  return cyrillic && !latin ? kCyrillic : kWestern;
}

}  // namespace vokabi
