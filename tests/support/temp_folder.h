#pragma once

#include <filesystem>
#include <string_view>

namespace vokabi::test {

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes. Each test takes its own, so tests never see each other's files.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

}  // namespace vokabi::test
