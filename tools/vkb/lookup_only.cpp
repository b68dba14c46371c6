#include "tools/vkb/vkb.h"

// The commands this vkb leaves out (see VKB_LOOKUP_ONLY in main.cpp).
namespace vokabi::vkb {

namespace {

int LeftOut(const char* command) {
  return UsageError(std::string(command) + " is not part of this vkb: it needs ICU");
}

}  // namespace

int RunBuild(const Args&) {
  return LeftOut("build");
}

int RunEvaluate(const Args&) {
  return LeftOut("evaluate");
}

}  // namespace vokabi::vkb
