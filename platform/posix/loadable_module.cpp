#include "platform/loadable_module.h"

#include <dlfcn.h>

#include <system_error>
#include <utility>

namespace vokabi::platform {

std::optional<LoadableModule> LoadableModule::Load(const std::filesystem::path& file,
                                                   std::string* error) {
  // Local: the module's own copies of shared code must not answer for the program's.
  void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* reason = dlerror();
    *error = reason != nullptr ? reason : "cannot load " + file.string();
    return std::nullopt;
  }
  return LoadableModule(handle);
}

LoadableModule::~LoadableModule() {
  if (handle_ != nullptr) dlclose(handle_);
}

LoadableModule::LoadableModule(LoadableModule&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)) {}

void* LoadableModule::Function(const char* name) const {
  return dlsym(handle_, name);
}

std::filesystem::path ProgramFile() {
  std::error_code error;
  std::filesystem::path file = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : file;
}

}  // namespace vokabi::platform
