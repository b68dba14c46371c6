#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace vokabi {

// A base file open for reading. Only a regular file opens: a FIFO or a device named like a base
// would block the opening or never end, so it is checked without blocking before anything is
// read.
class BaseFile {
 public:
#ifdef _WIN32
  using Handle = void*;
#else
  using Handle = int;
#endif

  static std::optional<BaseFile> Open(const std::filesystem::path& path);
  ~BaseFile();
  BaseFile(BaseFile&& other) noexcept;
  BaseFile& operator=(BaseFile&&) = delete;
  BaseFile(const BaseFile&) = delete;
  BaseFile& operator=(const BaseFile&) = delete;

  std::uint64_t Size() const {
    return size_;
  }
  // Reads length bytes at offset; false when the file does not hold them all.
  bool ReadAt(std::uint64_t offset, std::size_t length, std::string* bytes) const;

 private:
  BaseFile(Handle handle, std::uint64_t size) : handle_(handle), size_(size) {}

  Handle handle_;
  std::uint64_t size_;
};

}  // namespace vokabi
