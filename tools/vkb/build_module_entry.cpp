#include <exception>
#include <iostream>
#include <string>
#include <type_traits>

#include "tools/vkb/build_module.h"
#include "tools/vkb/vkb.h"

extern "C" __attribute__((visibility("default"))) int vkb_build_command(const char* command,
                                                                        int count,
                                                                        const char* const* args) {
  using namespace vokabi::vkb;
  static_assert(std::is_same_v<decltype(&vkb_build_command), BuildCommandEntry>);
  // The program takes a status from the module, as from any command.
  try {
    const Args arguments(args, args + count);
    const std::string name(command);
    if (name == "build") return RunBuild(arguments);
    if (name == "evaluate") return RunEvaluate(arguments);
    return UsageError("unknown command \"" + name + "\"");
  } catch (const std::exception& e) {
    std::cerr << "vkb: " << e.what() << '\n';
    return kExitFailed;
  }
}
