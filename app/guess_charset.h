#pragma once

#include <cstdint>
#include <string_view>

namespace vokabi {

// The font character set for a text the dictionary did not find (UTF-8, lower case): 204 when
// it holds Cyrillic letters and no Latin a to z, else 0. Each character is judged by its byte in
// the Cyrillic code page, where 224 to 255 are the small letters а to я; a lone character counts
// as Cyrillic above 128.
std::int32_t GuessCharset(std::string_view utf8);

}  // namespace vokabi
