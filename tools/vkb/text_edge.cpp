#include "tools/vkb/text_edge.h"

#include "platform/codepage.h"

namespace vokabi::vkb {

std::string WordForEngine(std::string_view utf8, int charset1, int charset2) {
  if (!platform::FitsCharset(charset1, utf8) && platform::FitsCharset(charset2, utf8)) {
    return platform::EncodeCharset(charset2, utf8).bytes;
  }
  return platform::EncodeCharset(charset1, utf8).bytes;
}

std::string ToUtf8(int charset, std::string_view bytes) {
  return platform::DecodeCharset(charset, bytes).utf8;
}

int NameCharset(int k) {
  return k == 0 || k == 6 ? 204 : 0;
}

}  // namespace vokabi::vkb
