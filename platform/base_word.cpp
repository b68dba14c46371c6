#include "platform/codepage.h"

namespace vokabi::platform {

std::string EncodeForBase(std::string_view utf8, int charset1, int charset2) {
  if (!FitsCharset(charset1, utf8) && FitsCharset(charset2, utf8)) {
    return EncodeCharset(charset2, utf8).bytes;
  }
  return EncodeCharset(charset1, utf8).bytes;
}

}  // namespace vokabi::platform
