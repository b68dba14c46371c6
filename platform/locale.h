#pragma once

#include <cstdint>
#include <string_view>

namespace vokabi::platform {

// Windows locale identifier of the running thread (0x0409 en-US, 0x0402 bg-BG …). Off Windows it
// is the identifier of the system locale's name (LC_ALL, LC_MESSAGES, LANG), 0x0409 when unknown.
std::uint32_t ThreadLocale();

// The Windows locale identifier of a POSIX locale name such as "bg_BG.UTF-8" or "de_CH";
// 0 when the name is not known.
std::uint32_t LocaleIdForName(std::string_view name);

}  // namespace vokabi::platform
