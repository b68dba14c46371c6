#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/case_map.h"
#include "engine/make_crypto.h"

namespace vokabi {

// Everything a base file holds, before it is laid out: the index text in plain form, the two
// data regions already enciphered. The fuzz target fills it directly; BuildBaseImage fills it
// from headwords and translations.
struct BaseImage {
  std::string id = "xxbgvk01";   // 8 characters
  std::string version = "0100";  // 4 characters
  int charset1 = 0;
  int charset2 = 204;
  std::uint32_t wordCount1 = 0;
  std::uint32_t wordCount2 = 0;
  std::array<std::string, 7> names;  // no "|"
  std::string key;                   // 1 to 255 bytes
  std::string table1;                // first-letter records, 4 bytes each
  std::string table2;
  std::string index;    // plain index text
  std::string region1;  // enciphered bodies of side 1
  std::string region2;
};

// Lays out the file: header, tables, enciphered index, both regions. Returns the file bytes, or
// an empty string with a reason in *error when a value does not fit its field (or the index is
// empty, which cannot be enciphered).
std::string EncodeBase(const BaseImage& image, MakeCrypto& crypto, std::string* error);

struct SideEntry {
  std::string headword;     // single-byte, in the side's character set
  std::string translation;  // single-byte, in the other side's character set
};

struct BaseSource {
  std::string id = "xxbgvk01";
  std::string version = "0100";
  std::array<std::string, 7> names;
  int charset1 = 0;
  int charset2 = 204;
  std::string key;  // empty: 16 random printable characters
  // How many entries precede a word in its neighbour list (fewer where 511 bytes do not reach).
  int neighboursBack = 4;
  std::vector<SideEntry> side1;
  std::vector<SideEntry> side2;
  // Where given, one key per entry that orders the headwords within a letter group (bytes
  // compared): a language's dictionary order, which the case-insensitive byte order is not
  // ("carácter" after "cara").
  std::vector<std::string> order1;
  std::vector<std::string> order2;
};

// Sorts each side by upper-cased first letter, within a letter group by the order keys where
// given, then case-insensitively by its character set's rules; merges headwords that a side
// lists twice (translations joined by an empty line), groups each side by upper-cased first
// letter, fills both first-letter tables and enciphers every body. False with a reason naming the
// side and the 1-based input entry when an entry cannot be stored: an empty headword or one with
// "#", "$" or a control character, an empty translation, a body over 32767 bytes, a data region
// over 16 MB, more than FFFFF words on a side. Side 2 must not be empty: its first group marks
// where section 2 begins.
bool BuildBaseImage(const BaseSource& source, MakeCrypto& crypto, const CaseMapProvider& caseMaps,
                    BaseImage* image, std::string* error);

}  // namespace vokabi
