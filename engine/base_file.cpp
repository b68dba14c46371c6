#include "engine/base_file.h"

#include <utility>

#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace vokabi {

#ifdef _WIN32

namespace {
const BaseFile::Handle kClosed = INVALID_HANDLE_VALUE;
}  // namespace

std::optional<BaseFile> BaseFile::Open(const std::filesystem::path& path) {
  // A name such as CON.vkb opens a device; only a disk file is a base.
  const HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  LARGE_INTEGER size{};
  if (GetFileType(handle) != FILE_TYPE_DISK || !GetFileSizeEx(handle, &size)) {
    CloseHandle(handle);
    return std::nullopt;
  }
  return BaseFile(handle, static_cast<std::uint64_t>(size.QuadPart));
}

BaseFile::~BaseFile() {
  if (handle_ != kClosed) CloseHandle(handle_);
}

bool BaseFile::ReadAt(std::uint64_t offset, std::size_t length, std::string* bytes) const {
  if (offset > size_ || length > size_ - offset) return false;
  bytes->resize(length);
  std::size_t done = 0;
  while (done < length) {
    OVERLAPPED at{};
    const std::uint64_t position = offset + done;
    at.Offset = static_cast<DWORD>(position);
    at.OffsetHigh = static_cast<DWORD>(position >> 32);
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(length - done, 1u << 30));
    DWORD got = 0;
    if (!ReadFile(handle_, bytes->data() + done, chunk, &got, &at) || got == 0) return false;
    done += got;
  }
  return true;
}

#else

namespace {
const BaseFile::Handle kClosed = -1;
}  // namespace

std::optional<BaseFile> BaseFile::Open(const std::filesystem::path& path) {
  // Without O_NONBLOCK a FIFO would wait here for a writer.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return std::nullopt;
  }
  return BaseFile(fd, static_cast<std::uint64_t>(info.st_size));
}

BaseFile::~BaseFile() {
  if (handle_ != kClosed) close(handle_);
}

bool BaseFile::ReadAt(std::uint64_t offset, std::size_t length, std::string* bytes) const {
  if (offset > size_ || length > size_ - offset) return false;
  bytes->resize(length);
  std::size_t done = 0;
  while (done < length) {
    const ssize_t got =
        pread(handle_, bytes->data() + done, length - done, static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    // A file cut short meanwhile reads short.
    if (got <= 0) return false;
    done += static_cast<std::size_t>(got);
  }
  return true;
}

#endif

BaseFile::BaseFile(BaseFile&& other) noexcept
    : handle_(std::exchange(other.handle_, kClosed)), size_(other.size_) {}

}  // namespace vokabi
