#include "platform/codepage.h"

namespace vokabi::platform {

// What is the same on every system; the conversions themselves are the system's (posix/, win/).

int CodePageForCharset(int charset) {
  switch (charset) {
    case 204:
      return 1251;
    case 238:
      return 1250;
    case 161:
      return 1253;
    case 162:
      return 1254;
    case 177:
      return 1255;
    case 178:
      return 1256;
    case 186:
      return 1257;
    case 163:
      return 1258;
    case 222:
      return 874;
    default:
      return 1252;
  }
}

std::string EncodeForBase(std::string_view utf8, int charset1, int charset2) {
  if (!FitsCharset(charset1, utf8) && FitsCharset(charset2, utf8)) {
    return EncodeCharset(charset2, utf8).bytes;
  }
  return EncodeCharset(charset1, utf8).bytes;
}

}  // namespace vokabi::platform
