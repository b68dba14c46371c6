#include "tools/vkb/charset_text.h"

#include "platform/codepage.h"

namespace vokabi::vkb {

std::string ToUtf8(int charset, std::string_view bytes) {
  return platform::DecodeCharset(charset, bytes).utf8;
}

int NameCharset(int k) {
  return k == 0 || k == 6 ? 204 : 0;
}

}  // namespace vokabi::vkb
