#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "engine/case_map.h"

namespace vokabi::bench {

// The baseline for NearMisses: every headword folded and compared over the whole distance table,
// with the same reach, order, duplicates and limit.
std::vector<std::string_view> PlainNearMisses(std::string_view typed,
                                              const std::vector<std::string_view>& headwords,
                                              const CaseMap& caseRules, std::size_t limit = 9);

}  // namespace vokabi::bench
