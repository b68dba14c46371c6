#pragma once

#include <filesystem>

// The user's base folders of the XDG rules; empty when the user has no home folder.
namespace vokabi::platform {

// $XDG_CONFIG_HOME, else ~/.config; a relative XDG_CONFIG_HOME is ignored.
std::filesystem::path ConfigFolder();
// $XDG_DATA_HOME, else ~/.local/share; a relative XDG_DATA_HOME is ignored.
std::filesystem::path DataFolder();

}  // namespace vokabi::platform
