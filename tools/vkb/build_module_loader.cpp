#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "platform/loadable_module.h"
#include "tools/vkb/build_module.h"
#include "tools/vkb/vkb.h"

namespace vokabi::vkb {

namespace {

int RunInModule(const char* command, const Args& args) {
  // VKB_BUILD_MODULE: where the module lies from the program's folder, as installed and as built.
  const std::filesystem::path program = platform::ProgramFile();
  const std::filesystem::path file = program.parent_path() / VKB_BUILD_MODULE;
  std::string error;
  const std::optional<platform::LoadableModule> module =
      program.empty() ? std::nullopt : platform::LoadableModule::Load(file, &error);
  const auto entry =
      module ? reinterpret_cast<BuildCommandEntry>(module->Function(kBuildCommandEntry)) : nullptr;
  if (entry == nullptr) {
    std::cerr << "vkb: " << command << " needs " << file.lexically_normal().string()
              << ", which is missing or damaged" << (error.empty() ? "" : ": " + error) << '\n';
    return kExitFailed;
  }
  std::vector<const char*> pointers;
  pointers.reserve(args.size());
  for (const std::string& arg : args) pointers.push_back(arg.c_str());
  return entry(command, static_cast<int>(pointers.size()), pointers.data());
}

}  // namespace

int RunBuild(const Args& args) {
  return RunInModule("build", args);
}

int RunEvaluate(const Args& args) {
  return RunInModule("evaluate", args);
}

}  // namespace vokabi::vkb
