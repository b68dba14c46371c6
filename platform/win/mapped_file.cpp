#include "platform/mapped_file.h"

#include <windows.h>

#include <utility>

namespace vokabi::platform {

std::optional<MappedFile> MappedFile::Open(const std::filesystem::path& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  LARGE_INTEGER size{};
  HANDLE mapping = nullptr;
  // Only a disk file is mapped; an empty one cannot be.
  if (GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size) && size.QuadPart > 0) {
    mapping = CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
  }
  CloseHandle(file);
  if (mapping == nullptr) return std::nullopt;
  const void* data = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
  CloseHandle(mapping);
  if (data == nullptr) return std::nullopt;
  return MappedFile(static_cast<const char*>(data), static_cast<std::size_t>(size.QuadPart));
}

MappedFile::~MappedFile() {
  if (data_ != nullptr) UnmapViewOfFile(data_);
}

void MappedFile::Release() const {
  // Unlocking pages that are not locked takes them out of the working set.
  if (data_ != nullptr) VirtualUnlock(const_cast<char*>(data_), size_);
}

MappedFile::MappedFile(MappedFile&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

}  // namespace vokabi::platform
