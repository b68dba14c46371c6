#include "platform/codepage.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "platform/posix/iconv_converter.h"
#include "platform/utf8.h"

namespace vokabi::platform {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD
constexpr std::size_t kFailed = static_cast<std::size_t>(-1);

// Descriptors are opened once per thread and code page: this runs on every keystroke, and a
// descriptor must not be shared between threads.
iconv_t Descriptor(int codePage, bool toUtf8) {
  thread_local std::map<std::pair<int, bool>, IconvConverter> open;
  const std::string name = "CP" + std::to_string(codePage);
  const auto [it, added] =
      open.try_emplace({codePage, toUtf8}, toUtf8 ? "UTF-8" : name, toUtf8 ? name : "UTF-8");
  return it->second.get();
}

// Runs the whole input through cd. Where iconv refuses a sequence, onBad writes a stand-in and
// says how many input bytes it stands for. Returns the number of stand-ins written.
template <class OnBad>
std::size_t Convert(iconv_t cd, std::string_view in, std::string& out, OnBad onBad) {
  std::size_t bad = 0;
  if (cd == kNoDescriptor) {
    // No converter on this system: only ASCII is certain.
    while (!in.empty()) {
      if (static_cast<unsigned char>(in.front()) < 0x80) {
        out += in.front();
        in.remove_prefix(1);
      } else {
        in.remove_prefix(onBad(in, out));
        ++bad;
      }
    }
    return bad;
  }

  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char* src = const_cast<char*>(in.data());  // iconv never writes through it
  std::size_t srcLeft = in.size();
  for (;;) {
    char chunk[512];
    char* dst = chunk;
    std::size_t dstLeft = sizeof chunk;
    const bool flushing = srcLeft == 0;
    const std::size_t result = flushing ? iconv(cd, nullptr, nullptr, &dst, &dstLeft)
                                        : iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    const int error = errno;
    out.append(chunk, static_cast<std::size_t>(dst - chunk));
    if (result != kFailed) {
      if (flushing) break;
      continue;
    }
    if (error == E2BIG) continue;
    if (flushing) break;
    // Some code pages (1255, 1258) hold back a letter that a following accent might join; it
    // belongs before the stand-in.
    dst = chunk;
    dstLeft = sizeof chunk;
    iconv(cd, nullptr, nullptr, &dst, &dstLeft);
    out.append(chunk, static_cast<std::size_t>(dst - chunk));
    const std::size_t skip = onBad(std::string_view(src, srcLeft), out);
    src += skip;
    srcLeft -= skip;
    ++bad;
  }
  return bad;
}

}  // namespace

Decoded DecodeCharset(int charset, std::string_view bytes) {
  Decoded decoded;
  decoded.utf8.reserve(bytes.size());
  decoded.undefined = Convert(Descriptor(CodePageForCharset(charset), true), bytes, decoded.utf8,
                              [](std::string_view, std::string& out) {
                                out += kReplacement;
                                return std::size_t{1};
                              });
  return decoded;
}

Encoded EncodeCharset(int charset, std::string_view utf8) {
  Encoded encoded;
  encoded.bytes.reserve(utf8.size());
  encoded.unfit = Convert(Descriptor(CodePageForCharset(charset), false), utf8, encoded.bytes,
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
