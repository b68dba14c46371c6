#include "platform/codepage.h"

#include <windows.h>

#include <array>
#include <map>
#include <mutex>

#include "platform/utf8.h"

namespace vokabi::platform {

namespace {

constexpr char32_t kUndefined = 0xFFFFFFFF;
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// One single-byte code page both ways, read once from the system's own tables.
struct CodePageTable {
  std::array<char32_t, 256> points{};
  std::map<char32_t, unsigned char> bytes;
};

CodePageTable Build(int codePage) {
  CodePageTable table;
  for (int c = 0; c < 256; ++c) {
    const char byte = static_cast<char>(c);
    wchar_t wide = 0;
    const bool defined =
        c < 0x80 || MultiByteToWideChar(static_cast<UINT>(codePage), MB_ERR_INVALID_CHARS, &byte, 1,
                                        &wide, 1) == 1;
    const char32_t point = c < 0x80 ? static_cast<char32_t>(c) : static_cast<char32_t>(wide);
    // The system fills the bytes a code page leaves undefined with C1 controls (0x81 of 1252 is
    // U+0081) or private-use characters, none of which is a character of these code pages.
    const bool filler =
        c >= 0x80 && ((point >= 0x80 && point <= 0x9F) || (point >= 0xE000 && point <= 0xF8FF));
    table.points[c] = defined && !filler ? point : kUndefined;
    if (table.points[c] != kUndefined)
      table.bytes.try_emplace(point, static_cast<unsigned char>(c));
  }
  return table;
}

const CodePageTable& TableFor(int charset) {
  static std::mutex guard;                    // process-wide: guards the tables
  static std::map<int, CodePageTable> built;  // process-wide: a memo of fixed tables
  const int codePage = CodePageForCharset(charset);
  const std::lock_guard lock(guard);
  auto found = built.find(codePage);
  if (found == built.end()) found = built.emplace(codePage, Build(codePage)).first;
  return found->second;
}

}  // namespace

Decoded DecodeCharset(int charset, std::string_view bytes) {
  const CodePageTable& table = TableFor(charset);
  Decoded decoded;
  decoded.utf8.reserve(bytes.size());
  for (const char byte : bytes) {
    const char32_t point = table.points[static_cast<unsigned char>(byte)];
    if (point == kUndefined) {
      decoded.utf8 += kReplacement;
      ++decoded.undefined;
    } else {
      AppendUtf8(point, decoded.utf8);
    }
  }
  return decoded;
}

Encoded EncodeCharset(int charset, std::string_view utf8) {
  const CodePageTable& table = TableFor(charset);
  Encoded encoded;
  encoded.bytes.reserve(utf8.size());
  while (!utf8.empty()) {
    char32_t point = 0;
    const std::size_t length = ReadUtf8(utf8, &point);
    const auto found = length == 0 ? table.bytes.end() : table.bytes.find(point);
    if (found == table.bytes.end()) {
      encoded.bytes += '?';
      ++encoded.unfit;
    } else {
      encoded.bytes += static_cast<char>(found->second);
    }
    utf8.remove_prefix(length == 0 ? 1 : length);
  }
  return encoded;
}

bool FitsCharset(int charset, std::string_view utf8) {
  return EncodeCharset(charset, utf8).unfit == 0;
}

}  // namespace vokabi::platform
