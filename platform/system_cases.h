#pragma once

#include "platform/case_map.h"

namespace vokabi::platform {

// Each system's backend: the other case of bytes 0x80-0xFF of a character set's code page, from
// the system's own case data, written into a table whose ASCII half is already filled.
void FillSystemCases(int charset, CaseTable& table);

}  // namespace vokabi::platform
