#include <windows.h>
// sddl.h needs windows.h first.
#include <sddl.h>

#include <QDir>
#include <vector>

#include "platform/instance_channel.h"

namespace vokabi::platform {

namespace {

// The security identifier of a process's user as text ("S-1-5-21-…"); empty when its token
// cannot be read.
QString ProcessUserSid(HANDLE process) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return {};
  QString sid;
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  std::vector<BYTE> buffer(size);
  if (size > 0 && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
    const auto* user = reinterpret_cast<const TOKEN_USER*>(buffer.data());
    LPWSTR text = nullptr;
    if (ConvertSidToStringSidW(user->User.Sid, &text)) {
      sid = QString::fromWCharArray(text);
      LocalFree(text);
    }
  }
  CloseHandle(token);
  return sid;
}

QString UserSid() {
  return ProcessUserSid(GetCurrentProcess());
}

}  // namespace

// A named pipe. Pipe names are shared by every session of the machine, so the user's SID keeps
// users apart (the user name when the SID cannot be read); the pipe admits only its own user.
QString UserChannelName() {
  QString user = UserSid();
  if (user.isEmpty()) user = qEnvironmentVariable("USERNAME");
  return QStringLiteral("vokabi-") + user;
}

// Pipes live in the system's own namespace: no folder can be taken over.
QString UserChannelFallbackFolder() {
  return {};
}

// The pipe's other end is whichever of its two processes is not this one.
bool PeerIsThisUser(qintptr socket) {
  const auto pipe = reinterpret_cast<HANDLE>(socket);
  ULONG client = 0;
  ULONG server = 0;
  if (!GetNamedPipeClientProcessId(pipe, &client) || !GetNamedPipeServerProcessId(pipe, &server))
    return false;
  const DWORD other = client == GetCurrentProcessId() ? server : client;
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, other);
  if (process == nullptr) return false;
  const QString sid = ProcessUserSid(process);
  CloseHandle(process);
  return !sid.isEmpty() && sid == UserSid();
}

// A pipe name is no path, so the lock goes to the user's own temporary folder.
QString ChannelLockPath(const QString& name) {
  return QDir::tempPath() + QLatin1Char('/') + name + QStringLiteral(".lock");
}

}  // namespace vokabi::platform
