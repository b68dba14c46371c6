#pragma once

#include <cstdint>
#include <string>

namespace vokabi {

// The ten colour schemes as the settings dialog lists them, in the interface language. The
// settings store the English names whatever language shows them.
inline constexpr int kSchemeCount = 10;

// Name of scheme index (0 Silver … 9 Black) in the language of offset, single-byte in that
// language's character set; empty for an index outside the list.
std::string SchemeCaption(int scheme, std::int32_t offset);

}  // namespace vokabi
