#include "platform/spelling_folders.h"

#include <cstdlib>
#include <string_view>

#include "platform/posix/user_folders.h"

namespace vokabi::platform {

namespace {

void AddEach(std::string_view list, std::string_view below,
             std::vector<std::filesystem::path>* folders) {
  while (!list.empty()) {
    const std::size_t colon = list.find(':');
    const std::string_view item = list.substr(0, colon);
    // A relative entry would depend on wherever the program was started from.
    if (!item.empty() && item.front() == '/')
      folders->push_back(std::filesystem::path(item) / below);
    if (colon == std::string_view::npos) break;
    list.remove_prefix(colon + 1);
  }
}

}  // namespace

std::vector<std::filesystem::path> SpellingFolders(const std::filesystem::path& programFolder) {
  std::vector<std::filesystem::path> folders;
  if (!programFolder.empty()) folders.push_back(programFolder / "dictionaries");
  if (const char* dicpath = std::getenv("DICPATH")) AddEach(dicpath, "", &folders);
  if (const std::filesystem::path data = DataFolder(); !data.empty())
    folders.push_back(data / "hunspell");
  for (const std::filesystem::path& shared : SharedDataFolders())
    folders.push_back(shared / "hunspell");
  folders.emplace_back("/usr/share/myspell/dicts");
  folders.emplace_back("/usr/share/myspell");
  return folders;
}

}  // namespace vokabi::platform
