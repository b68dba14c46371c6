#include "platform/window_system.h"

namespace vokabi::platform {

std::string ChosenQtPlatform() {
  return {};
}

}  // namespace vokabi::platform
