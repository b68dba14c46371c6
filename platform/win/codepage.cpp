#include "platform/codepage.h"

#include <windows.h>

#include <array>
#include <map>
#include <mutex>

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
    table.points[c] = defined ? point : kUndefined;
    if (defined) table.bytes.try_emplace(point, static_cast<unsigned char>(c));
  }
  return table;
}

const CodePageTable& TableFor(int charset) {
  static std::mutex guard;
  static std::map<int, CodePageTable> built;
  const int codePage = CodePageForCharset(charset);
  const std::lock_guard lock(guard);
  auto found = built.find(codePage);
  if (found == built.end()) found = built.emplace(codePage, Build(codePage)).first;
  return found->second;
}

void AppendUtf8(char32_t point, std::string& out) {
  if (point < 0x80) {
    out += static_cast<char>(point);
  } else if (point < 0x800) {
    out += static_cast<char>(0xC0 | (point >> 6));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else if (point < 0x10000) {
    out += static_cast<char>(0xE0 | (point >> 12));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (point >> 18));
    out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  }
}

// Length of the well-formed UTF-8 character at the start of text and its code point; length 0
// when it is not one (overlong forms, surrogates and values above U+10FFFF included).
std::size_t ReadUtf8(std::string_view text, char32_t* point) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead < 0x80) {
    *point = lead;
    return 1;
  }
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    *point = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    *point = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    *point = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    *point = (*point << 6) | (byte(i) & 0x3F);
  }
  return length;
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
