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
  // Where the second table ends: every byte the parse reads lies before it.
  std::size_t end = 0;
};

// One field of the header: where it starts and how many characters it holds.
struct HeaderField {
  std::size_t offset = 0;
  std::size_t length = 0;

  constexpr std::size_t End() const { return offset + length; }
};

// The header's layout, which the reader and the writer both follow: each field starts where the
// one before it ends. Hex fields hold exactly `length` hex digits.
namespace header {

constexpr HeaderField After(HeaderField previous, std::size_t length) {
  return {previous.End(), length};
}

inline constexpr HeaderField kLead{0, 5};  // not read
inline constexpr HeaderField kBaseId = After(kLead, 8);
inline constexpr HeaderField kIndexOffset = After(kBaseId, 4);  // at most 7FFF
inline constexpr HeaderField kIndexLength = After(kIndexOffset, 7);
inline constexpr HeaderField kReserved1 = After(kIndexLength, 7);
inline constexpr HeaderField kReserved2 = After(kReserved1, 7);
inline constexpr HeaderField kCharset1 = After(kReserved2, 2);
inline constexpr HeaderField kCharset2 = After(kCharset1, 2);
inline constexpr HeaderField kDigit = After(kCharset2, 1);  // one decimal digit
inline constexpr HeaderField kWordCount1 = After(kDigit, 5);
inline constexpr HeaderField kWordCount2 = After(kWordCount1, 5);
// The loader reads DataBase1 first, to learn the load span.
inline constexpr HeaderField kDataBase1 = After(kWordCount2, 7);
inline constexpr HeaderField kDataBase2 = After(kDataBase1, 7);
inline constexpr HeaderField kKeyLength = After(kDataBase2, 1);  // one raw byte
inline constexpr HeaderField kKey = After(kKeyLength, 0);        // KeyLength bytes

// Behind the key, counted from the key's end.
inline constexpr HeaderField kReserved3{0, 5};
inline constexpr HeaderField kVersion = After(kReserved3, 4);
inline constexpr HeaderField kReserved4 = After(kVersion, 4);  // hex, at most 7FFF
// Then seven "|"-terminated language names, and each first-letter table as its length
// (kTableLength hex digits) and its records.
inline constexpr std::size_t kNamesAfterKey = kReserved4.End();
inline constexpr std::size_t kTableLength = 3;

// The most IndexOffset and the hex field behind the version may hold.
inline constexpr std::uint32_t kMaxOffset = 0x7FFF;

}  // namespace header

// Parses a hex field of exactly the given digits; false when any character is not a hex digit.
bool ParseHex(std::string_view field, std::uint32_t* value);

// Parses the header from the first bytes of a base file (at most the load span, possibly fewer
// when the file is short: missing bytes read as spaces). False when a field does not parse or a
// field lies beyond the text.
bool ParseBaseHeader(std::string_view text, BaseHeader* header);

}  // namespace vokabi
