#pragma once

#include <filesystem>

// What the program reads of its installation besides the bases.
namespace vokabi {

// The handbook the about box opens: the one beside the program where there is one (the build
// tree, a copy carried about), else the installed one in the documentation folder.
std::filesystem::path HandbookFile(const std::filesystem::path& programFolder);

}  // namespace vokabi
