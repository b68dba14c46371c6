#pragma once

#include <string>
#include <vector>

#include "engine/case_map.h"
#include "tools/vkb/dictd_import.h"

namespace vokabi::vkb {

// What one pivot language contributes: words of the new language with their pivot-language
// terms, and the pivot language's dictionary into Bulgarian. Texts are single-byte: the new
// language's words in its own code page, pivot words in Western, Bulgarian in Cyrillic.
struct Pivot {
  std::string label;                       // "en", shown before the pivot words of an article
  std::vector<ImportedEntry> toPivot;      // headword: new language, terms: pivot language
  std::vector<ImportedEntry> toBulgarian;  // headword: pivot language, terms: Bulgarian
};

// One headword of the new language with the Bulgarian terms it reaches.
struct Triangulated {
  struct Via {
    std::string label;
    std::vector<std::string> words;  // pivot words that led to a kept term
  };
  std::string headword;
  std::vector<std::string> terms;  // most pivot languages first, then in order of finding
  std::vector<int> reachedBy;      // for each term, how many pivot languages reach it
  std::vector<Via> via;
};

// Entries of a dictionary read the other way round: every term becomes a headword whose terms
// are the headwords it translates (terms equal by the case rules are one).
std::vector<ImportedEntry> InvertedEntries(const std::vector<ImportedEntry>& entries,
                                           const CaseMap& termCase);

// For each headword, the Bulgarian terms reached through at least minPivots different pivot
// languages. Headwords are one when equal by headwordCase, pivot words by pivotCase, Bulgarian
// terms by bulgarianCase. Headwords that keep no term are left out.
std::vector<Triangulated> Triangulate(const std::vector<Pivot>& pivots, int minPivots,
                                      const CaseMap& headwordCase, const CaseMap& pivotCase,
                                      const CaseMap& bulgarianCase);

}  // namespace vokabi::vkb
