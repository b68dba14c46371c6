#include "platform/spelling_folders.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace vokabi::platform {

namespace {

std::wstring Variable(const wchar_t* name) {
  const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return {};
  std::wstring value(size, L'\0');
  const DWORD written = GetEnvironmentVariableW(name, value.data(), size);
  value.resize(written < size ? written : 0);
  return value;
}

}  // namespace

std::vector<std::filesystem::path> SpellingFolders(const std::filesystem::path& programFolder) {
  std::vector<std::filesystem::path> folders;
  if (!programFolder.empty()) folders.push_back(programFolder / "dictionaries");
  const std::wstring dicpath = Variable(L"DICPATH");
  std::wstring_view list = dicpath;
  while (!list.empty()) {
    const std::size_t semicolon = list.find(L';');
    const std::filesystem::path item(list.substr(0, semicolon));
    if (item.is_absolute()) folders.push_back(item);
    if (semicolon == std::wstring_view::npos) break;
    list.remove_prefix(semicolon + 1);
  }
  // Where a user without rights over the program's folder puts dictionaries of their own.
  if (const std::wstring local = Variable(L"LOCALAPPDATA"); !local.empty())
    folders.push_back(std::filesystem::path(local) / L"Vokabi" / L"dictionaries");
  return folders;
}

}  // namespace vokabi::platform
