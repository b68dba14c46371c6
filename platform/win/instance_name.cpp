#include <QDir>

#include "platform/instance_channel.h"
#include "platform/win/pipe_user.h"

namespace vokabi::platform {

// A named pipe. Pipe names are shared by every session of the machine, so the user's SID keeps
// users apart (the user name when the SID cannot be read); the pipe admits only its own user.
QString UserChannelName() {
  QString user = QString::fromStdWString(ThisUserSid());
  if (user.isEmpty()) user = qEnvironmentVariable("USERNAME");
  return QStringLiteral("vokabi-") + user;
}

// Pipes live in the system's own namespace: no folder can be taken over.
QString UserChannelFallbackFolder() {
  return {};
}

bool PeerIsThisUser(qintptr socket) {
  return PipePeerIsThisUser(reinterpret_cast<void*>(socket));
}

// A pipe name is no path, so the lock goes to the user's own temporary folder.
QString ChannelLockPath(const QString& name) {
  return QDir::tempPath() + QLatin1Char('/') + name + QStringLiteral(".lock");
}

}  // namespace vokabi::platform
