#include "platform/locale.h"

#include <windows.h>

namespace vokabi::platform {

std::uint32_t ThreadLocale() {
  return static_cast<std::uint32_t>(GetThreadLocale());
}

}  // namespace vokabi::platform
