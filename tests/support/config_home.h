#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "tests/support/temp_folder.h"

namespace vokabi::test {

// Points XDG_CONFIG_HOME at a fresh temporary folder while the object lives and puts the variable
// back afterwards, so that a test's hive files never meet the user's own or another test's.
class ConfigHome {
 public:
  ConfigHome() {
    if (const char* value = std::getenv(kVariable)) saved_ = value;
    setenv(kVariable, folder_.Path().c_str(), 1);
  }
  ~ConfigHome() {
    if (saved_)
      setenv(kVariable, saved_->c_str(), 1);
    else
      unsetenv(kVariable);
  }
  ConfigHome(const ConfigHome&) = delete;
  ConfigHome& operator=(const ConfigHome&) = delete;

  const std::filesystem::path& Path() const { return folder_.Path(); }
  // Where the store keeps its hive files.
  std::filesystem::path Hives() const { return folder_.Path() / "Tarnvel" / "Vokabi"; }

 private:
  static constexpr const char* kVariable = "XDG_CONFIG_HOME";
  TempFolder folder_;
  std::optional<std::string> saved_;
};

}  // namespace vokabi::test
