#pragma once

#include <filesystem>
#include <vector>

// The user's base folders of the XDG rules; empty when the user has no home folder.
namespace vokabi::platform {

// $XDG_CONFIG_HOME, else ~/.config; a relative XDG_CONFIG_HOME is ignored.
std::filesystem::path ConfigFolder();
// $XDG_DATA_HOME, else ~/.local/share; a relative XDG_DATA_HOME is ignored.
std::filesystem::path DataFolder();
// Each absolute folder of $XDG_DATA_DIRS in its order, else /usr/local/share and /usr/share.
std::vector<std::filesystem::path> SharedDataFolders();

}  // namespace vokabi::platform
