#pragma once

#include "engine/case_map.h"

namespace vokabi::platform {

// Case rules of a character set's code page, from the system's Unicode case data. A byte whose
// other case has no byte in the code page keeps its own value.
CaseMap CaseMapForCharset(int charset);

}  // namespace vokabi::platform
