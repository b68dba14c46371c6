#include "platform/text_encoding.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>

namespace vokabi::platform {

namespace {

// The Windows code page of a dictionary's encoding name; 0 when there is none.
UINT CodePageOf(std::string_view name) {
  std::string upper(name);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  const auto number = [](std::string_view digits) {
    UINT value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return error == std::errc() && end == digits.data() + digits.size() ? value : 0u;
  };
  if (upper == "UTF-8" || upper == "UTF8") return CP_UTF8;
  if (upper == "KOI8-R") return 20866;
  if (upper == "KOI8-U") return 21866;
  if (upper == "TIS620-2533" || upper == "TIS-620") return 874;
  for (const std::string_view prefix : {"ISO8859-", "ISO-8859-"}) {
    if (upper.starts_with(prefix)) {
      const UINT part = number(std::string_view(upper).substr(prefix.size()));
      return part >= 1 && part <= 15 ? 28590 + part : 0;
    }
  }
  for (const std::string_view prefix : {"MICROSOFT-CP", "CP", "WINDOWS-"}) {
    if (upper.starts_with(prefix)) return number(std::string_view(upper).substr(prefix.size()));
  }
  return 0;
}

}  // namespace

std::optional<std::string> ConvertEncoding(std::string_view to, std::string_view from,
                                           std::string_view text) {
  const UINT source = CodePageOf(from);
  const UINT target = CodePageOf(to);
  if (source == 0 || target == 0) return std::nullopt;
  if (text.empty()) return std::string();
  const int inLength = static_cast<int>(text.size());
  const int wideLength =
      MultiByteToWideChar(source, MB_ERR_INVALID_CHARS, text.data(), inLength, nullptr, 0);
  if (wideLength <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(source, MB_ERR_INVALID_CHARS, text.data(), inLength, wide.data(), wideLength);
  // Only UTF-8 refuses flags of its own; elsewhere a default character says what did not fit.
  BOOL defaulted = FALSE;
  BOOL* const unfit = target == CP_UTF8 ? nullptr : &defaulted;
  const DWORD flags = target == CP_UTF8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  const int outLength =
      WideCharToMultiByte(target, flags, wide.data(), wideLength, nullptr, 0, nullptr, unfit);
  if (outLength <= 0 || defaulted) return std::nullopt;
  std::string out(static_cast<std::size_t>(outLength), '\0');
  WideCharToMultiByte(target, flags, wide.data(), wideLength, out.data(), outLength, nullptr,
                      nullptr);
  return out;
}

bool IsLetter(char32_t point) {
  wchar_t units[2];
  int count = 1;
  if (point >= 0x10000 && point <= 0x10FFFF) {
    units[0] = static_cast<wchar_t>(0xD800 + ((point - 0x10000) >> 10));
    units[1] = static_cast<wchar_t>(0xDC00 + ((point - 0x10000) & 0x3FF));
    count = 2;
  } else if (point < 0x10000) {
    units[0] = static_cast<wchar_t>(point);
  } else {
    return false;
  }
  WORD types[2] = {};
  return GetStringTypeW(CT_CTYPE1, units, count, types) && (types[0] & C1_ALPHA) != 0;
}

}  // namespace vokabi::platform
