#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vokabi::platform {

// Length of the well-formed UTF-8 character at the start of text and its code point; length 0
// when it is not one. Overlong forms, surrogates and values above U+10FFFF are refused, as the
// system converters refuse them.
std::size_t ReadUtf8(std::string_view text, char32_t* point);

void AppendUtf8(char32_t point, std::string& out);

}  // namespace vokabi::platform
