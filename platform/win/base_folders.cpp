#include "platform/base_folders.h"

#include <windows.h>

#include <string>

namespace vokabi::platform {

std::vector<std::filesystem::path> BaseFolders(const std::filesystem::path& programFolder) {
  std::vector<std::filesystem::path> folders;
  if (!programFolder.empty()) folders.push_back(programFolder);
  // Where a user without rights over the program's folder puts bases of their own.
  const DWORD size = GetEnvironmentVariableW(L"LOCALAPPDATA", nullptr, 0);
  if (size > 1) {
    std::wstring local(size, L'\0');
    const DWORD written = GetEnvironmentVariableW(L"LOCALAPPDATA", local.data(), size);
    local.resize(written < size ? written : 0);
    const std::filesystem::path folder(local);
    if (folder.is_absolute()) folders.push_back(folder / L"Vokabi");
  }
  return folders;
}

}  // namespace vokabi::platform
