#pragma once

#include "engine/case_map.h"

namespace vokabi {

// The engine's case rules of a character set, from the system's case data; a CaseMapProvider.
CaseMap SystemCaseMap(int charset);

}  // namespace vokabi
