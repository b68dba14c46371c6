#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Which bases the program lists in which order, and which one a new user starts with.
namespace vokabi {

// Sorts base file names as Windows lists a folder: by name without regard to case (Latin letters
// compared as capitals), names that differ only in case by their bytes.
void SortBaseNames(std::vector<std::string>& names);

// The working base of a start that has no stored choice, by the bases' language names (as
// Dictionary::LanguageNames gives them) and the interface language (0 Bulgarian to 6 Russian):
// the base pairing Bulgarian with that language, else English-Bulgarian, else the first.
std::int16_t FirstWorkingBase(const std::vector<std::array<std::string, 7>>& names,
                              std::int32_t language);

}  // namespace vokabi
