#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "engine/base_writer.h"
#include "engine/case_map.h"
#include "tools/vkb/code_page_fit.h"

namespace vokabi::vkb {

// One side's entry made from a dictd database: single-byte headword and translation, and the
// target-language terms its translations name (for the other side, when that is derived).
struct ImportedEntry {
  std::string headword;
  std::string translation;  // the articles of the headword, a blank line apart, CR LF lines
  std::vector<std::string> terms;
};

struct ImportReport {
  std::size_t articles = 0;
  std::size_t unusable = 0;  // headwords a base cannot hold ('#', '$', control characters)
  FitReport headwords;
  FitReport texts;
};

// Reads a dictd database as one side: headwords in the words' code page, articles in the texts'.
// Index lines of one headword (compared by the words' case rules) make one entry.
//
// Each article is cleaned for reading first (CleanDictdArticle); its terms are what its
// translation lines name.
bool ImportDictd(const std::filesystem::path& database, const CodePageFitter& words,
                 const CodePageFitter& texts, const CaseMap& wordCase,
                 std::vector<ImportedEntry>* entries, ImportReport* report, std::string* error);

// The other side, derived: every term becomes a headword (terms equal by the case rules are one)
// whose translation lists the headwords it translates, comma-separated, in order of appearance.
std::vector<SideEntry> InvertEntries(const std::vector<ImportedEntry>& entries,
                                     const CaseMap& termCase);

}  // namespace vokabi::vkb
