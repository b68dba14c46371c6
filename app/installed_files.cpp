#include "app/installed_files.h"

#include <system_error>

#include "app/install_dirs.h"

namespace vokabi {

std::filesystem::path HandbookFile(const std::filesystem::path& programFolder) {
  static constexpr const char* kName = "handbook.html";
  const std::filesystem::path beside = programFolder / kName;
  const std::filesystem::path installed =
      (programFolder / kDocFolderFromProgram / kName).lexically_normal();
  std::error_code error;
  return !std::filesystem::exists(beside, error) && std::filesystem::exists(installed, error)
             ? installed
             : beside;
}

}  // namespace vokabi
