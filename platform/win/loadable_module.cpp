#include "platform/loadable_module.h"

#include <windows.h>

#include <utility>
#include <vector>

namespace vokabi::platform {

std::optional<LoadableModule> LoadableModule::Load(const std::filesystem::path& file,
                                                   std::string* error) {
  // Its own folder first for what it needs, as a program's own libraries expect.
  HMODULE handle = LoadLibraryExW(
      file.c_str(), nullptr, LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
  if (handle == nullptr) {
    *error = "cannot load " + file.string() + " (error " + std::to_string(GetLastError()) + ")";
    return std::nullopt;
  }
  return LoadableModule(handle);
}

LoadableModule::~LoadableModule() {
  if (handle_ != nullptr) FreeLibrary(static_cast<HMODULE>(handle_));
}

LoadableModule::LoadableModule(LoadableModule&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)) {}

void* LoadableModule::Function(const char* name) const {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}

std::filesystem::path ProgramFile() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::filesystem::path(std::wstring(buffer.data(), length));
    if (buffer.size() >= 32768) return {};
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace vokabi::platform
