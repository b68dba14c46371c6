#include "platform/autostart.h"

namespace vokabi::platform {

std::string StartCommand(const std::filesystem::path& executable) {
  std::filesystem::path path = executable;
  const std::u8string text = path.make_preferred().u8string();
  return std::string(text.begin(), text.end()) + " /1";
}

// The Run value alone starts the program with the session.
std::filesystem::path AutostartFile() {
  return {};
}

bool WriteAutostartFile(const std::filesystem::path&, std::string_view) {
  return true;
}

void RemoveAutostartFile() {}

bool LauncherAccepts(const std::filesystem::path&) {
  return true;
}

bool HasBrowserMenuHost() {
  return true;
}

}  // namespace vokabi::platform
