#pragma once

#include <gtest/gtest.h>

#include <cstdlib>

namespace vokabi::test {

// Where every component must be present (the test script sets VOKABI_REQUIRE_COMPONENTS, as CI
// installs everything), a test that lacks one fails; elsewhere it is skipped.
inline bool ComponentsRequired() {
  const char* required = std::getenv("VOKABI_REQUIRE_COMPONENTS");
  return required != nullptr && *required != '\0' && *required != '0';
}

}  // namespace vokabi::test

// Ends the test for want of a component, saying which: skipped, or failed where required.
#define VOKABI_SKIP_WITHOUT(component)                                            \
  do {                                                                            \
    if (::vokabi::test::ComponentsRequired()) FAIL() << "missing: " << component; \
    GTEST_SKIP() << "missing: " << component;                                     \
  } while (false)
