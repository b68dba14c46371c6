#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
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
  // Where each suggestion's entry stands, in the same order.
  std::vector<std::int32_t> suggestionPositions;
  // The other side's article of the word found, where the base writes both sides alike and the
  // word is a headword on both.
  std::optional<Article> also;
};

// The two-letter code of a base side's language ("en", "bg" …), from the base's identity
// ("enbgvk01": side 1 English, side 2 Bulgarian); empty when the identity does not tell.
std::string SideLanguage(const std::string& baseId, int side);

// No more of a word's base forms are tried: a word with more is not worth the time.
inline constexpr std::size_t kMostBaseForms = 8;

// Translate; when that misses with "not found", the word's base forms (when forms is given)
// are looked up in turn and the first found is the result; failing that, when suggest is set,
// help holds the headwords closest to the word and "not found" stands. A lookup that Translate
// answers is left exactly as Translate answers it. The shortcuts (a base's companion) answer the
// same, faster, where they can.
bool TranslateWithHelp(Dictionary& dictionary, ErrorReport& errors, BaseForms* forms,
                       std::string_view word, bool suggest, LookupHelp* help,
                       const LookupShortcuts& shortcuts = {});

// The entry at the position, on its own side, as the current result (Dictionary::TranslateAt),
// with the other side's article as TranslateWithHelp gives it.
bool TranslateEntry(Dictionary& dictionary, ErrorReport& errors, std::int32_t position,
                    LookupHelp* help);

// The other side's article of the current result: where the base's two sides share a character
// set and the current word is a headword on the other side too. Leaves the current result, the
// history and the message number as they are.
std::optional<Article> OtherSideArticle(Dictionary& dictionary, ErrorReport& errors);

// A word that is no headword but a form the side's Hunspell dictionary knows of one ("къщи" of
// "къща"): the position of the headword's entry, found as TranslateWithHelp finds a base form.
// Only dictionaries already loaded are asked, so it never waits for one; nothing when the word
// is a headword, when no form of it is one, or when a dictionary it needs is not loaded yet.
std::optional<std::int32_t> LoadedBaseFormEntry(Dictionary& dictionary, BaseForms& forms,
                                                std::string_view word);

}  // namespace vokabi
