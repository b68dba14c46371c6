#pragma once

#include <string>
#include <vector>

#include "tools/vkb/dictd_import.h"
#include "tools/vkb/triangulation.h"

namespace vokabi::vkb {

// The dictd databases of one pivot language: into it from the new language (via), from it into
// the new language (viaInverted, read the other way round) and from it into Bulgarian.
struct PivotSource {
  std::string label;
  std::vector<std::string> via;
  std::vector<std::string> viaInverted;
  std::string toBulgarian;
};

// Takes one of the options --via, --via-inverted or --pivot with its value LABEL=DATABASE.
bool AddPivotOption(const std::string& option, const std::string& value,
                    std::vector<PivotSource>* pivots, std::string* error);
// False, saying which, when a pivot lacks its way in or its way into Bulgarian.
bool PivotsComplete(const std::vector<PivotSource>& pivots, std::string* error);

// Reads every pivot's databases, the new language's words in headwordCharset, pivot words in
// Western and Bulgarian in Cyrillic, saying for each what it read and what fitting changed.
bool ReadPivots(const std::vector<PivotSource>& sources, int headwordCharset,
                std::vector<Pivot>* pivots, std::string* error);

// One side's entries from triangulated headwords: the Bulgarian terms on the first line of an
// article, the pivot words that led there on the second ("en: house, home; de: Haus"), fitted
// into the Bulgarian code page; the terms stay for deriving side 2.
std::vector<ImportedEntry> TriangulatedEntries(std::vector<Triangulated> triangulated);

}  // namespace vokabi::vkb
