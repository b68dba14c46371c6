#include "platform/locale.h"

#include <cstdlib>

namespace vokabi::platform {

namespace {

constexpr std::uint32_t kEnglishUs = 0x0409;

}  // namespace

std::uint32_t ThreadLocale() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value == nullptr || *value == '\0') continue;
    const std::uint32_t id = LocaleIdForName(value);
    return id == 0 ? kEnglishUs : id;
  }
  return kEnglishUs;
}

}  // namespace vokabi::platform
