#pragma once

#include <cstdio>
#include <cstdlib>
#include <random>

namespace vokabi::test {

// A fresh starting value for a test's random choices, printed so that a failure can be repeated:
// VOKABI_TEST_RANDOM_START=N gives N instead.
inline unsigned RandomStart() {
  const char* given = std::getenv("VOKABI_TEST_RANDOM_START");
  const unsigned start = given != nullptr && *given != '\0'
                             ? static_cast<unsigned>(std::strtoul(given, nullptr, 10))
                             : std::random_device{}();
  std::printf("random start %u (VOKABI_TEST_RANDOM_START=%u repeats it)\n", start, start);
  std::fflush(stdout);
  return start;
}

}  // namespace vokabi::test
