#include <windows.h>
// sddl.h needs windows.h first.
#include <sddl.h>
// The hand-off between two processes over the named pipe the running start listens on, as the
// running start sees it: the pipe admits its own user only, the peer is checked, the text arrives.
#include <gtest/gtest.h>

#include <string>

#include "platform/win/pipe_user.h"

namespace vokabi::platform {
namespace {

// The helper program beside this one.
std::wstring Sender() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring sender = path;
  return sender.substr(0, sender.find_last_of(L"\\/") + 1) + L"pipe_sender.exe";
}

class Process {
 public:
  explicit Process(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    started_ = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &info_);
  }
  ~Process() {
    if (!started_) return;
    if (WaitForSingleObject(info_.hProcess, 0) != WAIT_OBJECT_0)
      TerminateProcess(info_.hProcess, 9);
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
  }
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool Started() const { return started_; }
  // The exit status, or 259 (still running) after the timeout.
  DWORD Wait(DWORD ms) const {
    WaitForSingleObject(info_.hProcess, ms);
    DWORD status = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &status);
    return status;
  }

 private:
  PROCESS_INFORMATION info_{};
  bool started_ = false;
};

// One overlapped operation on the pipe, waited for at most 20 seconds.
bool Finish(HANDLE pipe, BOOL started, OVERLAPPED* overlapped, DWORD* done) {
  if (!started && GetLastError() != ERROR_IO_PENDING) return GetLastError() == ERROR_PIPE_CONNECTED;
  if (WaitForSingleObject(overlapped->hEvent, 20000) != WAIT_OBJECT_0) {
    CancelIo(pipe);
    return false;
  }
  return GetOverlappedResult(pipe, overlapped, done, FALSE) != 0;
}

TEST(WindowsPipeTest, TheTextOfAnotherProcessArrivesAndIsAcknowledged) {
  const std::wstring sid = ThisUserSid();
  ASSERT_EQ(sid.rfind(L"S-1-", 0), 0u) << "no security identifier for this user";
  const std::wstring name = L"vokabi-test-" + sid + L"-" + std::to_wstring(GetCurrentProcessId());

  // As the running start listens: only its own user may connect.
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(
      (L"D:P(A;;GA;;;" + sid + L")").c_str(), SDDL_REVISION_1, &descriptor, nullptr));
  SECURITY_ATTRIBUTES security{sizeof security, descriptor, FALSE};
  HANDLE pipe = CreateNamedPipeW(
      (L"\\\\.\\pipe\\" + name).c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED,
      PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT, 1, 4096, 4096, 0, &security);
  LocalFree(descriptor);
  ASSERT_NE(pipe, INVALID_HANDLE_VALUE);

  const std::string text = "къща & house";
  const Process sender(L"\"" + Sender() + L"\" " + name + L" \"къща & house\"");
  ASSERT_TRUE(sender.Started()) << "cannot start pipe_sender.exe";

  OVERLAPPED overlapped{};
  overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  DWORD done = 0;
  ASSERT_TRUE(Finish(pipe, ConnectNamedPipe(pipe, &overlapped), &overlapped, &done))
      << "the sender never connected";
  EXPECT_TRUE(PipePeerIsThisUser(pipe));

  std::string received(8 + text.size() + 1, '\0');
  std::size_t have = 0;
  while (have < received.size()) {
    ResetEvent(overlapped.hEvent);
    const BOOL started = ReadFile(pipe, received.data() + have,
                                  static_cast<DWORD>(received.size() - have), &done, &overlapped);
    ASSERT_TRUE(Finish(pipe, started, &overlapped, &done)) << "the hand-off stopped short";
    have += done;
  }
  EXPECT_EQ(received.substr(0, 8), std::string("\x03\0\0\0\x11\0\0\0", 8));
  EXPECT_EQ(received.substr(8), text + '\0');

  const char acknowledgement = 1;
  ResetEvent(overlapped.hEvent);
  ASSERT_TRUE(
      Finish(pipe, WriteFile(pipe, &acknowledgement, 1, &done, &overlapped), &overlapped, &done));
  EXPECT_EQ(sender.Wait(20000), 0u) << "0 acknowledged, 1 no pipe, 2 another user, 3 no answer";
  CloseHandle(overlapped.hEvent);
  DisconnectNamedPipe(pipe);
  CloseHandle(pipe);
}

// What is no pipe has no peer to trust; nor has a pipe nobody connected to.
TEST(WindowsPipeTest, WithoutAConnectedPeerNothingIsTrusted) {
  EXPECT_FALSE(PipePeerIsThisUser(GetCurrentProcess()));
  HANDLE pipe = CreateNamedPipeW(L"\\\\.\\pipe\\vokabi-test-unconnected", PIPE_ACCESS_DUPLEX,
                                 PIPE_TYPE_BYTE, 1, 16, 16, 0, nullptr);
  ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(PipePeerIsThisUser(pipe));
  CloseHandle(pipe);
}

}  // namespace
}  // namespace vokabi::platform
