#include "app/base_discovery.h"

#include <map>
#include <string_view>
#include <system_error>

#include "app/base_order.h"

namespace vokabi {

namespace {

bool IsBaseExtension(const std::string& extension) {
  static constexpr std::string_view kExtension = ".vkb";
  if (extension.size() != kExtension.size()) return false;
  for (std::size_t i = 0; i < extension.size(); ++i) {
    const char c = extension[i];
    if ((c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c) != kExtension[i]) return false;
  }
  return true;
}

}  // namespace

std::vector<std::string> FindBaseFiles(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    if (!IsBaseExtension(entry->path().extension().string())) continue;
    std::error_code kind;
    if (entry->is_directory(kind)) continue;
    names.push_back(entry->path().filename().string());
  }
  // The folder's own order is hash order on Linux and changes as files come and go; the working
  // base is stored as a place in this list.
  SortBaseNames(names);
  return names;
}

std::vector<std::filesystem::path> FindBases(const std::vector<std::filesystem::path>& folders) {
  // A user's copy of a base shadows the system's, as the program's own folder shadows both.
  std::map<std::string, std::filesystem::path> found;
  for (const std::filesystem::path& folder : folders) {
    for (std::string& name : FindBaseFiles(folder)) found.try_emplace(std::move(name), folder);
  }
  std::vector<std::string> names;
  names.reserve(found.size());
  for (const auto& [name, folder] : found) names.push_back(name);
  SortBaseNames(names);
  std::vector<std::filesystem::path> bases;
  bases.reserve(names.size());
  for (const std::string& name : names) bases.push_back(found.at(name) / name);
  return bases;
}

}  // namespace vokabi
