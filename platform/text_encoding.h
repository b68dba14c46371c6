#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vokabi::platform {

// Text of one named encoding in another, as spelling dictionaries name theirs ("UTF-8",
// "ISO8859-1", "KOI8-R", "microsoft-cp1251" …). Nothing when either name is unknown or a
// character of text has no place in the target.
std::optional<std::string> ConvertEncoding(std::string_view to, std::string_view from,
                                           std::string_view text);

// True for a letter of any script, by the system's Unicode character data.
bool IsLetter(char32_t point);

}  // namespace vokabi::platform
