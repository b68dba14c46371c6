#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vokabi {

// The plain-text part of a base file, as far as the reader needs it.
struct BaseHeader {
  std::string baseId;             // 8 characters
  std::uint32_t indexOffset = 0;  // index block at file offset indexOffset + 5
  std::uint32_t indexLength = 0;
  int charset1 = 0;
  int charset2 = 0;
  std::uint32_t wordCount1 = 0;
  std::uint32_t wordCount2 = 0;
  std::uint32_t dataBase1 = 0;  // load span and base of side 1's data region
  std::uint32_t dataBase2 = 0;
  std::string key;
  std::string version;  // 4 characters
  std::array<std::string, 7> names;
  // 1-based index-text position of each upper-case first letter's group; 0 = no group.
  std::array<std::int32_t, 256> letters1{};
  std::array<std::int32_t, 256> letters2{};
  std::int32_t section2Start = 0;  // position of Table2's first record
  bool hasTable2 = false;
};

// Offset of the DataBase1 field; the loader reads it first to learn the load span.
inline constexpr std::size_t kDataBase1Offset = 53;

// Parses a hex field of exactly the given digits; false when any character is not a hex digit.
bool ParseHex(std::string_view field, std::uint32_t* value);

// Parses the header from the first bytes of a base file (at most the load span, possibly fewer
// when the file is short: missing bytes read as spaces). False when a field does not parse or a
// field lies beyond the text.
bool ParseBaseHeader(std::string_view text, BaseHeader* header);

}  // namespace vokabi
