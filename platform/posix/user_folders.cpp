#include "platform/posix/user_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

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

}  // namespace vokabi::platform
