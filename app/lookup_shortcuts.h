#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/case_map.h"

namespace vokabi {

// What a lookup that misses may ask instead of walking the whole index or reading a Hunspell
// dictionary. Each answer says so where it cannot tell, and the lookup then goes the slow way, so
// an answer never depends on whether one is there.

class HeadwordCheck {
 public:
  virtual ~HeadwordCheck() = default;
  // True only when Translate would certainly miss the word with "not found".
  virtual bool CertainlyMissing(std::string_view word) = 0;
  // The lookup that began with CertainlyMissing is over, with nothing it was given still in use.
  virtual void LookupEnded() {}
};

class FormLookup {
 public:
  virtual ~FormLookup() = default;
  enum class Known { kUnknown, kNone, kForm };
  // For a missed word (trimmed, in the bytes of the side it was guessed for): the first of the
  // side language's base forms that the base holds, as bytes for Translate (kForm), or that none
  // does (kNone).
  virtual Known FormOf(int side, std::string_view missed, std::string* form) = 0;
};

class NearMissLookup {
 public:
  virtual ~NearMissLookup() = default;
  // Adds headwords of the side among which are all those within NearMissReach of the missed word
  // folded with the rules; false (adding nothing) when it cannot tell. The views stay valid as
  // long as the lookup object, though what they show may have to be read again after
  // LookupEnded.
  virtual bool Candidates(int side, std::string_view missed, const CaseMap& rules,
                          std::vector<std::string_view>* headwords) = 0;
  // The index position of the first entry of a headword of the side (0 when it is none), as
  // Dictionary::FindOnSide gives it without reading the index; false when it cannot tell.
  virtual bool PositionOf(int side, std::string_view headword, std::int32_t* position) = 0;
};

struct LookupShortcuts {
  HeadwordCheck* headwords = nullptr;
  FormLookup* forms = nullptr;
  NearMissLookup* nearMisses = nullptr;
};

}  // namespace vokabi
