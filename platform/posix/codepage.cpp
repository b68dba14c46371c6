#include "platform/codepage.h"

#include <iconv.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "platform/posix/iconv_converter.h"
#include "platform/utf8.h"

namespace vokabi::platform {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// Descriptors are opened once per thread and code page: this runs on every keystroke, and a
// descriptor must not be shared between threads.
iconv_t Descriptor(int codePage, bool toUtf8) {
  thread_local std::map<std::pair<int, bool>, IconvConverter> open;
  const std::string name = "CP" + std::to_string(codePage);
  const auto [it, added] =
      open.try_emplace({codePage, toUtf8}, toUtf8 ? "UTF-8" : name, toUtf8 ? name : "UTF-8");
  return it->second.get();
}

}  // namespace

Decoded DecodeCharset(int charset, std::string_view bytes) {
  Decoded decoded;
  decoded.utf8.reserve(bytes.size());
  decoded.undefined = ConvertWith(Descriptor(CodePageForCharset(charset), true), bytes,
                                  decoded.utf8, [](std::string_view, std::string& out) {
                                    out += kReplacement;
                                    return std::size_t{1};
                                  });
  return decoded;
}

Encoded EncodeCharset(int charset, std::string_view utf8) {
  Encoded encoded;
  encoded.bytes.reserve(utf8.size());
  encoded.unfit = ConvertWith(Descriptor(CodePageForCharset(charset), false), utf8, encoded.bytes,
                              [](std::string_view rest, std::string& out) {
                                out += '?';
                                char32_t point = 0;
                                const std::size_t length = ReadUtf8(rest, &point);
                                return length == 0 ? std::size_t{1} : length;
                              });
  return encoded;
}

bool FitsCharset(int charset, std::string_view utf8) {
  return EncodeCharset(charset, utf8).unfit == 0;
}

}  // namespace vokabi::platform
