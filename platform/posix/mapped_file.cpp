#include "platform/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace vokabi::platform {

std::optional<MappedFile> MappedFile::Open(const std::filesystem::path& path) {
  // Without O_NONBLOCK a FIFO would wait here for a writer.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat info {};
  void* data = MAP_FAILED;
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
    data = mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
  }
  close(fd);
  if (data == MAP_FAILED) return std::nullopt;
  return MappedFile(static_cast<const char*>(data), static_cast<std::size_t>(info.st_size));
}

MappedFile::~MappedFile() {
  if (data_ != nullptr) munmap(const_cast<char*>(data_), size_);
}

void MappedFile::Release() const {
  // A clean private mapping of a file: its pages are dropped, not written back.
  if (data_ != nullptr) madvise(const_cast<char*>(data_), size_, MADV_DONTNEED);
}

MappedFile::MappedFile(MappedFile&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

}  // namespace vokabi::platform
