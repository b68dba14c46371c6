#pragma once

#include <filesystem>
#include <string>

namespace vokabi {

// Why a Hunspell dictionary must not be handed to Hunspell, or "" when it may be. Hunspell sizes
// its tables by the counts the files state: a table count in the .aff beyond what the file holds
// makes it reserve gigabytes and throw, and a word count in the .dic far below its number of
// lines makes its load take minutes. Reads both files through once.
std::string HunspellFault(const std::filesystem::path& aff, const std::filesystem::path& dic);

}  // namespace vokabi
