#include "platform/window_system.h"

#include <cstdlib>

namespace vokabi::platform {

namespace {

bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

}  // namespace

std::string ChosenQtPlatform() {
  if (IsSet("QT_QPA_PLATFORM")) return {};
  if (IsSet("WAYLAND_DISPLAY") && IsSet("DISPLAY")) return "xcb";
  return {};
}

}  // namespace vokabi::platform
