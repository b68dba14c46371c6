#pragma once

#include <array>
#include <functional>

namespace vokabi {

// Case rules of one single-byte character set. The engine folds with these and never
// decides for itself what a byte above 0x7F means.
struct CaseMap {
  std::array<unsigned char, 256> upper{};
  std::array<unsigned char, 256> lower{};

  // Only A-Z and a-z change case.
  static CaseMap Ascii() {
    CaseMap map;
    for (int c = 0; c < 256; ++c) {
      map.upper[c] = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c);
      map.lower[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    }
    return map;
  }
};

// Gives the case rules of a Windows font character set (0, 204 …).
using CaseMapProvider = std::function<CaseMap(int charset)>;

}  // namespace vokabi
