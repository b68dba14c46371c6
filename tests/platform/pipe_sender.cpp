// pipe_sender NAME TEXT: the second start's side of a hand-off, as its own process: connects to
// the named pipe NAME, sends TEXT as a command-line hand-off (dwData 3, the text and its zero
// byte, after two 32-bit little-endian counts) and waits for the one-byte acknowledgement.
// Exit status: 0 acknowledged, 1 no pipe, 2 the pipe's server is another user, 3 no answer.
#include <windows.h>

#include <string>

#include "platform/win/pipe_user.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 1;
  const std::wstring name = std::wstring(L"\\\\.\\pipe\\") + argv[1];
  if (!WaitNamedPipeW(name.c_str(), 10000)) return 1;
  HANDLE pipe = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            0, nullptr);
  if (pipe == INVALID_HANDLE_VALUE) return 1;
  if (!vokabi::platform::PipePeerIsThisUser(pipe)) {
    CloseHandle(pipe);
    return 2;
  }
  const int size = WideCharToMultiByte(CP_UTF8, 0, argv[2], -1, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(size), '\0');  // with its zero byte
  WideCharToMultiByte(CP_UTF8, 0, argv[2], -1, text.data(), size, nullptr, nullptr);
  std::string message;
  for (const DWORD number : {DWORD{3}, static_cast<DWORD>(text.size())})
    for (int i = 0; i < 4; ++i) message += static_cast<char>(number >> (8 * i) & 0xFF);
  message += text;
  DWORD done = 0;
  char answer = 0;
  const bool acknowledged =
      WriteFile(pipe, message.data(), static_cast<DWORD>(message.size()), &done, nullptr) &&
      ReadFile(pipe, &answer, 1, &done, nullptr) && done == 1 && answer == 1;
  CloseHandle(pipe);
  return acknowledged ? 0 : 3;
}
