#include "platform/autostart.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "platform/posix/desktop_entry.h"
#include "platform/posix/user_folders.h"
#include "platform/posix/write_all.h"

namespace vokabi::platform {

namespace {

// The program's picture, where the icon themes of the XDG rules look for a user's own icons.
std::filesystem::path IconFile() {
  const std::filesystem::path data = DataFolder();
  return data.empty() ? data : data / "icons" / "hicolor" / "64x64" / "apps" / "vokabi.png";
}

// A desktop reading the folder sees the old file or the whole new one, never a part.
bool ReplaceFile(const std::filesystem::path& file, std::string_view text) {
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  if (error) return false;
  std::string temporary = file.string() + ".XXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) return false;
  // mkstemp makes the file private; an autostart file is as readable as any other.
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

bool WriteAutostartFile(const std::filesystem::path& executable, std::string_view iconPng) {
  const std::filesystem::path file = AutostartFile();
  if (file.empty()) return false;
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
