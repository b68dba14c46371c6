#pragma once

#include <string>
#include <string_view>

#include "engine/error_report.h"

namespace vokabi {

// The base cipher: RC2 with a 40-bit key (the first 5 bytes of the MD5 digest of the password,
// 40 effective bits), CBC with a zero IV, PKCS #5 padding. Texts are byte strings.
class MakeCrypto {
 public:
  explicit MakeCrypto(ErrorReport& errors) : errors_(errors) {}

  // Empty text or key, or a failure: empty result and message 2.
  std::string Encrypt(std::string_view text, std::string_view key);
  std::string Decrypt(std::string_view text, std::string_view key);

 private:
  ErrorReport& errors_;
};

}  // namespace vokabi
