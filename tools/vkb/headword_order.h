#pragma once

#include <string>
#include <vector>

#include "engine/base_writer.h"

namespace vokabi::vkb {

// Orders a side's headwords within their letter groups the way dictionaries of the language do
// (ICU's collation for it: "cara, carácter, carámbano, casa" in Spanish): one order key per
// entry, for BaseSource. Headwords are single-byte in the side's character set; language is an
// ISO 639-1 code, or empty for the root order. False when ICU has no collator at all.
bool HeadwordOrder(const std::vector<SideEntry>& side, int charset, const std::string& language,
                   std::vector<std::string>* keys);

}  // namespace vokabi::vkb
