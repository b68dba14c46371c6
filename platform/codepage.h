#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vokabi::platform {

// Windows code page of a font character set: 0 → 1252, 204 → 1251, 238 → 1250, 161 → 1253,
// 162 → 1254, 177 → 1255, 178 → 1256, 186 → 1257, 163 → 1258, 222 → 874, anything else → 1252.
int CodePageForCharset(int charset);

struct Decoded {
  std::string utf8;
  std::size_t undefined = 0;  // bytes the code page leaves undefined, shown as U+FFFD
};

// Single-byte text of a character set to UTF-8.
Decoded DecodeCharset(int charset, std::string_view bytes);

struct Encoded {
  std::string bytes;
  std::size_t unfit = 0;  // characters (or invalid UTF-8 bytes) written as '?'
};

// UTF-8 to single-byte text of a character set; what does not fit becomes '?'.
Encoded EncodeCharset(int charset, std::string_view utf8);

// True when every character of the UTF-8 text has a byte in the character set.
bool FitsCharset(int charset, std::string_view utf8);

// A typed word for a base: in side 1's code page when every character fits there, else in side
// 2's when it fits there, else in side 1's with '?' for what fits nowhere.
std::string EncodeForBase(std::string_view utf8, int charset1, int charset2);

}  // namespace vokabi::platform
