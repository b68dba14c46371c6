#include <unistd.h>

#include <QDir>
#include <QFileInfo>

#include "platform/instance_channel.h"

namespace vokabi::platform {

// In the user's own runtime folder when there is one, else in the temporary folder; the user id
// keeps users sharing /tmp apart.
QString UserChannelName() {
  QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!QDir::isAbsolutePath(folder) || !QFileInfo(folder).isDir()) folder = QDir::tempPath();
  return folder + QStringLiteral("/vokabi-") + QString::number(getuid());
}

// Beside the socket.
QString ChannelLockPath(const QString& name) {
  return name + QStringLiteral(".lock");
}

}  // namespace vokabi::platform
