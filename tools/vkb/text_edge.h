#pragma once

#include <string>
#include <string_view>

namespace vokabi::vkb {

// The tool speaks UTF-8; the engine speaks single-byte text of a side's character set.

// A typed word for the engine: in side 1's code page when all of it fits there, else in side
// 2's when it fits there, else in side 1's with '?' for what fits nowhere.
std::string WordForEngine(std::string_view utf8, int charset1, int charset2);

// Single-byte text of a character set as UTF-8.
std::string ToUtf8(int charset, std::string_view bytes);

// Character set of language name field k: Cyrillic for Bulgarian (0) and Russian (6).
int NameCharset(int k);

}  // namespace vokabi::vkb
