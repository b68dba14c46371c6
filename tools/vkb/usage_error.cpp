#include <iostream>
#include <string>

#include "tools/vkb/vkb.h"

namespace vokabi::vkb {

int UsageError(const std::string& reason) {
  std::cerr << "vkb: " << reason << "\n(see vkb --help)\n";
  return kExitUsage;
}

}  // namespace vokabi::vkb
