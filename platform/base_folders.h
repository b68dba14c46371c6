#pragma once

#include <filesystem>
#include <vector>

namespace vokabi::platform {

// Folders that may hold bases, the most particular first: the program's own folder (the build
// tree and a copy carried about keep working), then the user's (a base added without rights over
// the system), then the system's: $XDG_DATA_HOME/vokabi and each $XDG_DATA_DIRS/vokabi, or
// %LOCALAPPDATA%\Vokabi on Windows. A folder is listed once.
std::vector<std::filesystem::path> BaseFolders(const std::filesystem::path& programFolder);

}  // namespace vokabi::platform
