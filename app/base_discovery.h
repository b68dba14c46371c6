#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Which base files the program finds where.
namespace vokabi {

// Names of the base files of one folder (extension .vkb in any case), sorted by SortBaseNames.
std::vector<std::string> FindBaseFiles(const std::filesystem::path& folder);

// The base files of all the folders, sorted together by name as one folder's are; a name found
// in more than one folder is taken from the first that has it.
std::vector<std::filesystem::path> FindBases(const std::vector<std::filesystem::path>& folders);

}  // namespace vokabi
