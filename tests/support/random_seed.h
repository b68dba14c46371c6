#pragma once

#include <cstdio>
#include <cstdlib>
#include <random>

namespace vokabi::test {

// A fresh seed for a test's random choices, printed so that a failure can be repeated:
// VOKABI_TEST_SEED=N gives N instead.
inline unsigned RandomSeed() {
  const char* given = std::getenv("VOKABI_TEST_SEED");
  const unsigned seed = given != nullptr && *given != '\0'
                            ? static_cast<unsigned>(std::strtoul(given, nullptr, 10))
                            : std::random_device{}();
  std::printf("random seed %u (VOKABI_TEST_SEED=%u repeats it)\n", seed, seed);
  std::fflush(stdout);
  return seed;
}

}  // namespace vokabi::test
