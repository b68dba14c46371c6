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
  int charset = 0;                         // of the pivot words: 0, or 238 Polish, 161 Greek …
};

// One headword of the new language with the Bulgarian terms it reaches.
struct Triangulated {
  struct Via {
    std::string label;
    std::vector<std::string> words;  // pivot words that led to a kept term
    int charset = 0;
  };
  std::string headword;
  std::vector<std::string> terms;  // most pivot languages first, then in order of finding
  std::vector<int> reachedBy;      // for each term, how many pivot languages reach it
  // For each term, whether one pivot language alone vouches for it: its pivot word has this
  // term as its only Bulgarian translation, and the term leads back through that language to
  // this headword and no other.
  std::vector<bool> confirmed;
  std::vector<unsigned> pivotsOf;  // for each term, which pivots reach it (bit p for pivot p)
  std::vector<Via> via;
};

// Entries of a dictionary read the other way round: every term becomes a headword whose terms
// are the headwords it translates (terms equal by the case rules are one).
std::vector<ImportedEntry> InvertedEntries(const std::vector<ImportedEntry>& entries,
                                           const CaseMap& termCase);

// For each headword, the Bulgarian terms reached through at least minPivots different pivot
// languages, and with withConfirmed also those one language confirms (Triangulated::confirmed).
// Headwords are one when equal by headwordCase, pivot words by the case rules of their pivot's
// character set, Bulgarian terms by bulgarianCase. Headwords that keep no term are left out.
std::vector<Triangulated> Triangulate(const std::vector<Pivot>& pivots, int minPivots,
                                      bool withConfirmed, const CaseMap& headwordCase,
                                      const CaseMapProvider& pivotCases,
                                      const CaseMap& bulgarianCase);

}  // namespace vokabi::vkb
