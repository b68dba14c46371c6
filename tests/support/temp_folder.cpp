#include "tests/support/temp_folder.h"

#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace vokabi::test {

TempFolder::TempFolder() {
  std::random_device device;
  const std::filesystem::path root = std::filesystem::temp_directory_path();
  // create_directory reports whether it made the folder, so a name taken by a parallel test
  // run is simply drawn again.
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::filesystem::path candidate = root / ("vokabi-test-" + std::to_string(device()));
    std::error_code error;
    if (std::filesystem::create_directory(candidate, error)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary folder under " + root.string());
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace vokabi::test
