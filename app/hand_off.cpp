#include "app/hand_off.h"

#include <algorithm>

namespace vokabi {

namespace {

constexpr std::size_t kMaxText = kHandOffBufferSize - 1;

bool IsContinuationByte(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

std::string HandOffText(std::string_view commandLine) {
  if (commandLine == "/1") return {};
  if (commandLine.size() <= kMaxText) return std::string(commandLine);
  // Back up to the byte that starts the character the cut would split; a UTF-8 character has
  // at most three continuation bytes, so text that is not UTF-8 is simply cut.
  std::size_t cut = kMaxText;
  while (cut > kMaxText - 3 && IsContinuationByte(commandLine[cut])) --cut;
  if (IsContinuationByte(commandLine[cut])) cut = kMaxText;
  return std::string(commandLine.substr(0, cut));
}

platform::CopyData MakeHandOff(std::string_view commandLine) {
  std::string bytes = HandOffText(commandLine);
  bytes.push_back('\0');
  return {kCommandLineData, std::move(bytes)};
}

std::optional<std::string> ReceiveCopyData(const platform::CopyData& message) {
  if (message.dwData != kCommandLineData) return std::nullopt;
  std::string buffer(kHandOffBufferSize, '\0');
  std::copy_n(message.data.begin(), std::min(message.data.size(), kHandOffBufferSize),
              buffer.begin());
  if (const std::size_t end = buffer.find('\0'); end != std::string::npos) buffer.resize(end);
  return buffer;
}

}  // namespace vokabi
