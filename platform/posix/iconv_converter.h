#pragma once

#include <iconv.h>

#include <cstdint>
#include <string>

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

}  // namespace vokabi::platform
