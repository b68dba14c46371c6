#pragma once

#include <string_view>

namespace vokabi::platform {

// True when the installed font family has a glyph of its own for every character of letters
// (UTF-8), found through its Unicode character map. A symbol font, which draws its symbols for
// whatever codes it is given, and a family that is not installed have none.
bool FontHasLetters(std::string_view family, std::string_view letters);

}  // namespace vokabi::platform
