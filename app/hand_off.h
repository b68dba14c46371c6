#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/copy_data.h"

// The command-line hand-off from a second start to the running one: what is sent and what the
// receiver makes of it.
namespace vokabi {

// dwData of a command-line hand-off; other values are not this program's and are ignored.
inline constexpr std::uint32_t kCommandLineData = 3;
// The buffer both sides use: at most 254 bytes of text and its terminating zero.
inline constexpr std::size_t kHandOffBufferSize = 255;

// The command line cut to fit the buffer: at most 254 bytes, never in the middle of a UTF-8
// character; "/1" (a start at log-on) sends the empty text.
std::string HandOffText(std::string_view commandLine);

// The message a second start sends: dwData 3, the text and a zero byte (byte count n + 1).
platform::CopyData MakeHandOff(std::string_view commandLine);

// The text of a received hand-off: none when dwData is not 3; otherwise at most 255 bytes are
// copied and the text ends before the first zero byte.
std::optional<std::string> ReceiveCopyData(const platform::CopyData& message);

}  // namespace vokabi
