#include "platform/base_folders.h"

#include <algorithm>

#include "platform/posix/user_folders.h"

namespace vokabi::platform {

std::vector<std::filesystem::path> BaseFolders(const std::filesystem::path& programFolder) {
  std::vector<std::filesystem::path> candidates;
  if (!programFolder.empty()) candidates.push_back(programFolder);
  if (const std::filesystem::path data = DataFolder(); !data.empty())
    candidates.push_back(data / "vokabi");
  for (const std::filesystem::path& shared : SharedDataFolders())
    candidates.push_back(shared / "vokabi");
  // A folder named twice ("/usr/share" and "/usr/share/" in XDG_DATA_DIRS) is read once.
  std::vector<std::filesystem::path> folders;
  for (const std::filesystem::path& candidate : candidates) {
    const std::filesystem::path normal = candidate.lexically_normal();
    if (std::find(folders.begin(), folders.end(), normal) == folders.end())
      folders.push_back(normal);
  }
  return folders;
}

}  // namespace vokabi::platform
