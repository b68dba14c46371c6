#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "platform/instance_channel.h"

namespace vokabi::platform {

namespace {

// The folder is the user's and only the user's: no one else can listen, squat or lock in it.
// A folder of the user's own that others may enter is narrowed to the user.
bool IsPrivateFolder(const QString& folder, bool narrow) {
  // Opened, not followed: a link planted in its place would lead elsewhere.
  const int fd =
      open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  bool own = fstat(fd, &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid();
  if (own && (info.st_mode & 077) != 0) own = narrow && fchmod(fd, 0700) == 0;
  close(fd);
  return own;
}

}  // namespace

QString UserChannelFallbackFolder() {
  return QDir::tempPath() + QStringLiteral("/vokabi-") + QString::number(getuid());
}

// In the user's own runtime folder when there is one, else in a folder of the user's own in the
// temporary folder, which everybody may write to.
QString UserChannelName() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  const QString socket = QStringLiteral("/vokabi-") + QString::number(getuid());
  if (QDir::isAbsolutePath(runtime) && IsPrivateFolder(runtime, false)) return runtime + socket;
  const QString folder = UserChannelFallbackFolder();
  if (mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST) return {};
  if (!IsPrivateFolder(folder, true)) return {};
  return folder + socket;
}

bool PeerIsThisUser(qintptr socket) {
  const auto fd = static_cast<int>(socket);
#ifdef SO_PEERCRED
  ucred peer{};
  socklen_t size = sizeof peer;
  return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == getuid();
#else
  uid_t uid = 0;
  gid_t gid = 0;
  return getpeereid(fd, &uid, &gid) == 0 && uid == getuid();
#endif
}

// Beside the socket.
QString ChannelLockPath(const QString& name) {
  return name + QStringLiteral(".lock");
}

}  // namespace vokabi::platform
