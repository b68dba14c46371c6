#include "platform/autostart.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>

#include "platform/posix/desktop_entry.h"
#include "platform/posix/user_folders.h"
#include "platform/posix/write_all.h"
#include "platform/utf8.h"

namespace vokabi::platform {

namespace {

// The program's picture, where the icon themes of the XDG rules look for a user's own icons.
std::filesystem::path IconFile() {
  const std::filesystem::path data = DataFolder();
  return data.empty() ? data : data / "icons" / "hicolor" / "64x64" / "apps" / "vokabi.png";
}

// Temporaries that earlier writes, killed before their rename, left beside the file: the one
// name used now, and the ones mkstemp named for older versions (FILE. and six letters or digits).
void RemoveStaleTemporaries(const std::filesystem::path& file) {
  const std::string prefix = file.filename().string() + ".";
  std::error_code error;
  for (std::filesystem::directory_iterator it(file.parent_path(), error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0) continue;
    const bool random =
        std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                    [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
    std::error_code ignored;
    if (random && it->is_regular_file(ignored)) std::filesystem::remove(it->path(), ignored);
  }
  std::error_code ignored;
  std::filesystem::remove(file.string() + ".new", ignored);
}

// A desktop reading the folder sees the old file or the whole new one, never a part.
bool ReplaceFile(const std::filesystem::path& file, std::string_view text) {
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  if (error) return false;
  RemoveStaleTemporaries(file);
  const std::string temporary = file.string() + ".new";
  // Made afresh: a file or link left in its place is never written through.
  const int fd =
      open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  // Whatever the user's umask, an autostart file is as readable as any other.
  bool ok = fchmod(fd, 0644) == 0 && WriteAll(fd, text) && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  ok = ok && rename(temporary.c_str(), file.c_str()) == 0;
  if (!ok) unlink(temporary.c_str());
  return ok;
}

}  // namespace

std::string StartCommand(const std::filesystem::path& executable) {
  const std::string path = executable.string();
  const bool quoted = path.find(' ') != std::string::npos;
  return (quoted ? "\"" + path + "\"" : path) + " /1";
}

std::filesystem::path AutostartFile() {
  const std::filesystem::path config = ConfigFolder();
  return config.empty() ? config : config / "autostart" / "vokabi.desktop";
}

bool LauncherAccepts(const std::filesystem::path& executable) {
  const std::string path = executable.string();
  for (std::size_t at = 0; at < path.size();) {
    char32_t point = 0;
    const std::size_t length = ReadUtf8(std::string_view(path).substr(at), &point);
    if (length == 0 || point < 0x20 || point == 0x7f || point == '%') return false;
    at += length;
  }
  return true;
}

bool WriteAutostartFile(const std::filesystem::path& executable, std::string_view iconPng) {
  const std::filesystem::path file = AutostartFile();
  if (file.empty() || !LauncherAccepts(executable)) return false;
  std::filesystem::path icon;
  if (!iconPng.empty() && !IconFile().empty() && ReplaceFile(IconFile(), iconPng))
    icon = IconFile();
  return ReplaceFile(file, desktop::AutostartEntry(executable, icon));
}

void RemoveAutostartFile() {
  std::error_code ignored;
  if (const std::filesystem::path file = AutostartFile(); !file.empty())
    std::filesystem::remove(file, ignored);
  if (const std::filesystem::path icon = IconFile(); !icon.empty())
    std::filesystem::remove(icon, ignored);
}

bool HasBrowserMenuHost() {
  return false;
}

}  // namespace vokabi::platform
