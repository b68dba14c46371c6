#pragma once

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <string>
#include <string_view>

namespace vokabi::platform {

// What iconv_open returns when it cannot convert between the two encodings.
inline const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1));

// An iconv conversion descriptor, closed with the object.
class IconvConverter {
 public:
  IconvConverter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  IconvConverter(const std::string& to, const std::string& from)
      : IconvConverter(to.c_str(), from.c_str()) {}
  ~IconvConverter() {
    if (cd_ != kNoDescriptor) iconv_close(cd_);
  }
  IconvConverter(const IconvConverter&) = delete;
  IconvConverter& operator=(const IconvConverter&) = delete;

  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

// Runs the whole input through cd. Where iconv refuses a sequence, onBad writes a stand-in and
// says how many input bytes it stands for. Returns the number of stand-ins written.
template <class OnBad>
std::size_t ConvertWith(iconv_t cd, std::string_view in, std::string& out, OnBad onBad) {
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
    if (result != static_cast<std::size_t>(-1)) {
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

}  // namespace vokabi::platform
