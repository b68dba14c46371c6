#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "engine/case_map.h"

namespace vokabi {

// Largest edit distance a suggestion may be from a typed word of that many letters (bytes):
// 1 up to 4 letters, 2 above.
int NearMissReach(std::size_t letters);

// Up to `limit` distinct headwords within NearMissReach(typed.size()) edits of the typed word
// (insert, delete, substitute, swap of two neighbours: the optimal-string-alignment distance),
// comparing bytes folded with caseRules.lower; closest first, then the longest shared beginning,
// then in alphabetical order of the folded bytes (ties by the bytes as stored). Views point into
// `headwords`' strings.
std::vector<std::string_view> NearMisses(std::string_view typed,
                                         const std::vector<std::string_view>& headwords,
                                         const CaseMap& caseRules, std::size_t limit = 9);

}  // namespace vokabi
