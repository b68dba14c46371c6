#pragma once

#include <filesystem>
#include <vector>

namespace vokabi::platform {

// Folders that may hold Hunspell dictionaries (name.aff beside name.dic), the most particular
// first: "dictionaries" beside the program, then those DICPATH names, then the user's and the
// system's.
std::vector<std::filesystem::path> SpellingFolders(const std::filesystem::path& programFolder);

}  // namespace vokabi::platform
