#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "tests/support/temp_folder.h"

namespace vokabi::test {

// Sets an environment variable while the object lives and puts the old value back afterwards.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) saved_ = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedVariable() {
    if (saved_)
      setenv(name_, saved_->c_str(), 1);
    else
      unsetenv(name_);
  }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> saved_;
};

// Points XDG_CONFIG_HOME at a fresh temporary folder, and XDG_DATA_HOME at a folder in it, while
// the object lives, so that a test's hive files and desktop entries never meet the user's own or
// another test's.
class ConfigHome {
 public:
  const std::filesystem::path& Path() const { return folder_.Path(); }
  // Where the store keeps its hive files.
  std::filesystem::path Hives() const { return folder_.Path() / "Tarnvel" / "Vokabi"; }
  std::filesystem::path Data() const { return folder_.Path() / "data"; }

 private:
  TempFolder folder_;
  ScopedVariable config_{"XDG_CONFIG_HOME", folder_.Path().string()};
  ScopedVariable data_{"XDG_DATA_HOME", (folder_.Path() / "data").string()};
};

}  // namespace vokabi::test
