#pragma once

#include <memory>

#include "platform/foreign_text.h"

namespace vokabi::platform {

// The clipboard and the primary selection read from their owners on the program's own X
// connection, the replies taken on the event loop; null when the X server cannot be reached.
std::unique_ptr<ForeignText> MakeX11Selections(ForeignText::Answer answer);

}  // namespace vokabi::platform
