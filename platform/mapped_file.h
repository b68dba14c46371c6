#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace vokabi::platform {

// A regular file mapped read-only into memory: only the pages a reader touches are read from
// disk. The file must not be cut short in place while mapped; writers replace it by renaming.
class MappedFile {
 public:
  // Nothing when the path is not a regular file, is empty or cannot be mapped.
  static std::optional<MappedFile> Open(const std::filesystem::path& path);
  ~MappedFile();
  MappedFile(MappedFile&& other) noexcept;
  MappedFile& operator=(MappedFile&&) = delete;
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  std::string_view Bytes() const { return {data_, size_}; }
  // Lets go of the pages read so far: they leave the process's resident memory (the system may
  // keep them cached) and are read again when next touched. Bytes() stays valid.
  void Release() const;

 private:
  MappedFile(const char* data, std::size_t size) : data_(data), size_(size) {}

  const char* data_;
  std::size_t size_;
};

}  // namespace vokabi::platform
