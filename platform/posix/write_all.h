#pragma once

#include <string_view>

namespace vokabi::platform {

// Writes the whole text to fd, going on after short writes and interrupted calls.
bool WriteAll(int fd, std::string_view text);

}  // namespace vokabi::platform
