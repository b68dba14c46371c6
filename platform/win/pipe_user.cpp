#include "platform/win/pipe_user.h"

#include <windows.h>
// sddl.h needs windows.h first.
#include <sddl.h>

#include <vector>

namespace vokabi::platform {

namespace {

std::wstring ProcessUserSid(HANDLE process) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return {};
  std::wstring sid;
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  std::vector<BYTE> buffer(size);
  if (size > 0 && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
    const auto* user = reinterpret_cast<const TOKEN_USER*>(buffer.data());
    LPWSTR text = nullptr;
    if (ConvertSidToStringSidW(user->User.Sid, &text)) {
      sid = text;
      LocalFree(text);
    }
  }
  CloseHandle(token);
  return sid;
}

}  // namespace

std::wstring ThisUserSid() {
  return ProcessUserSid(GetCurrentProcess());
}

// The pipe's other end is whichever of its two processes is not this one.
bool PipePeerIsThisUser(void* pipe) {
  ULONG client = 0;
  ULONG server = 0;
  if (!GetNamedPipeClientProcessId(pipe, &client) || !GetNamedPipeServerProcessId(pipe, &server))
    return false;
  const DWORD other = client == GetCurrentProcessId() ? server : client;
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, other);
  if (process == nullptr) return false;
  const std::wstring sid = ProcessUserSid(process);
  CloseHandle(process);
  return !sid.empty() && sid == ThisUserSid();
}

}  // namespace vokabi::platform
