#pragma once

#include <string>
#include <string_view>

namespace vokabi::vkb {

// The tool speaks UTF-8; the engine speaks single-byte text of a side's character set.

// Single-byte text of a character set as UTF-8.
std::string ToUtf8(int charset, std::string_view bytes);

// Character set of language name field k: Cyrillic for Bulgarian (0) and Russian (6).
int NameCharset(int k);

}  // namespace vokabi::vkb
