#pragma once

#include <cstdint>
#include <string>

namespace vokabi::platform {

// What one start of the program hands to the running one, as a WM_COPYDATA message carries it:
// dwData says what the data is; the data is cbData bytes.
struct CopyData {
  std::uint32_t dwData = 0;
  std::string data;

  bool operator==(const CopyData&) const = default;
};

}  // namespace vokabi::platform
