#include "platform/posix/write_all.h"

#include <unistd.h>

#include <cerrno>

namespace vokabi::platform {

bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t put = write(fd, text.data(), text.size());
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(put));
  }
  return true;
}

}  // namespace vokabi::platform
