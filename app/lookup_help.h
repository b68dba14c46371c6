#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/base_forms.h"
#include "app/lookup_shortcuts.h"
#include "engine/dictionary.h"
#include "engine/error_report.h"

namespace vokabi {

// What a lookup that missed the word as typed still found.
struct LookupHelp {
  // The word that was missed, without non-letters at its ends, in missedCharset.
  std::string missed;
  int missedCharset = 0;
  // The result came from a base form of the missed word; Duma() is the headword it found.
  bool baseForm = false;
  // Headwords a few typing mistakes away, closest first, in suggestionCharset.
  std::vector<std::string> suggestions;
  int suggestionCharset = 0;
};

// The two-letter code of a base side's language ("en", "bg" …), from the base's identity
// ("enbgvk01": side 1 English, side 2 Bulgarian); empty when the identity does not tell.
std::string SideLanguage(const std::string& baseId, int side);

// Translate; when that misses with "not found", the word's base forms (when forms is given)
// are looked up in turn and the first found is the result; failing that, when suggest is set,
// help holds the headwords closest to the word and "not found" stands. A lookup that Translate
// answers is left exactly as Translate answers it. The shortcuts (a base's companion) answer the
// same, faster, where they can.
bool TranslateWithHelp(Dictionary& dictionary, ErrorReport& errors, BaseForms* forms,
                       std::string_view word, bool suggest, LookupHelp* help,
                       const LookupShortcuts& shortcuts = {});

}  // namespace vokabi
