#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vokabi::platform {

// A shared library of the program's own, loaded on demand so that what only some commands need
// costs the others nothing at start. Unloaded with the object.
class LoadableModule {
 public:
  // Nothing, and the system's reason in error, when the file is missing or will not load.
  static std::optional<LoadableModule> Load(const std::filesystem::path& file, std::string* error);
  ~LoadableModule();
  LoadableModule(LoadableModule&& other) noexcept;
  LoadableModule& operator=(LoadableModule&&) = delete;
  LoadableModule(const LoadableModule&) = delete;
  LoadableModule& operator=(const LoadableModule&) = delete;

  // The exported function of that name, or null.
  void* Function(const char* name) const;

 private:
  explicit LoadableModule(void* handle) : handle_(handle) {}

  void* handle_;
};

// The running program's own file, links followed; empty when the system will not say.
std::filesystem::path ProgramFile();

}  // namespace vokabi::platform
