#include "platform/command_line.h"

namespace vokabi::platform {

// Arguments come as the user's terminal wrote them, which is UTF-8 here.
std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void UseBinaryStandardStreams() {}

}  // namespace vokabi::platform
