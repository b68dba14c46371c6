#pragma once

#include <array>

namespace vokabi::platform {

// The other case of every byte of one single-byte character set.
struct CaseTable {
  std::array<unsigned char, 256> upper{};
  std::array<unsigned char, 256> lower{};
};

// Case rules of a character set's code page, from the system's Unicode case data. Only A-Z and
// a-z change case below 0x80; a byte whose other case has no byte in the code page keeps its own
// value.
CaseTable CaseTableForCharset(int charset);

}  // namespace vokabi::platform
