#include "platform/posix/user_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>

namespace vokabi::platform {

namespace {

std::filesystem::path HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && home[0] != '\0') return home;
  if (const passwd* user = getpwuid(getuid()); user && user->pw_dir && user->pw_dir[0] != '\0')
    return user->pw_dir;
  return {};
}

// The XDG rules ignore a relative value.
std::filesystem::path XdgFolder(const char* variable, const char* belowHome) {
  if (const char* value = std::getenv(variable); value && value[0] == '/') return value;
  const std::filesystem::path home = HomeFolder();
  return home.empty() ? home : home / belowHome;
}

}  // namespace

std::filesystem::path ConfigFolder() {
  return XdgFolder("XDG_CONFIG_HOME", ".config");
}

std::filesystem::path DataFolder() {
  return XdgFolder("XDG_DATA_HOME", ".local/share");
}

std::vector<std::filesystem::path> SharedDataFolders() {
  const char* value = std::getenv("XDG_DATA_DIRS");
  std::string_view list = value && value[0] != '\0' ? value : "/usr/local/share:/usr/share";
  std::vector<std::filesystem::path> folders;
  while (!list.empty()) {
    const std::size_t colon = list.find(':');
    const std::string_view item = list.substr(0, colon);
    // A relative entry would depend on wherever the program was started from.
    if (!item.empty() && item.front() == '/') folders.emplace_back(item);
    if (colon == std::string_view::npos) break;
    list.remove_prefix(colon + 1);
  }
  return folders;
}

}  // namespace vokabi::platform
