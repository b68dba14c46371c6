#include <locale.h>
#include <wctype.h>

#include <string>
#include <string_view>

#include "platform/codepage.h"
#include "platform/system_cases.h"

namespace vokabi::platform {

namespace {

// The one code point that text holds, or -1 when it holds something else.
long SingleCodePoint(std::string_view text) {
  if (text.empty()) return -1;
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = 1;
  long point = lead;
  if (lead >= 0xF0) {
    length = 4;
    point = lead & 0x07;
  } else if (lead >= 0xE0) {
    length = 3;
    point = lead & 0x0F;
  } else if (lead >= 0xC0) {
    length = 2;
    point = lead & 0x1F;
  }
  if (text.size() != length) return -1;
  for (std::size_t i = 1; i < length; ++i) point = (point << 6) | (text[i] & 0x3F);
  return point;
}

std::string Utf8(long point) {
  std::string text;
  if (point < 0x80) {
    text += static_cast<char>(point);
  } else if (point < 0x800) {
    text += static_cast<char>(0xC0 | (point >> 6));
    text += static_cast<char>(0x80 | (point & 0x3F));
  } else if (point < 0x10000) {
    text += static_cast<char>(0xE0 | (point >> 12));
    text += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (point & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | (point >> 18));
    text += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (point & 0x3F));
  }
  return text;
}

// Byte of the other case, or the byte itself when that case has no single byte.
unsigned char OtherCase(int charset, unsigned char byte, long point,
                        wint_t (*change)(wint_t, locale_t), locale_t locale) {
  const auto changed = static_cast<long>(change(static_cast<wint_t>(point), locale));
  if (changed == point) return byte;
  const Encoded encoded = EncodeCharset(charset, Utf8(changed));
  if (encoded.unfit != 0 || encoded.bytes.size() != 1) return byte;
  return static_cast<unsigned char>(encoded.bytes[0]);
}

}  // namespace

void FillSystemCases(int charset, CaseTable& map) {
  const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
  if (locale == locale_t{}) return;
  for (int c = 0x80; c < 0x100; ++c) {
    const auto byte = static_cast<unsigned char>(c);
    const char single = static_cast<char>(c);
    const Decoded decoded = DecodeCharset(charset, std::string_view(&single, 1));
    const long point = decoded.undefined == 0 ? SingleCodePoint(decoded.utf8) : -1;
    if (point < 0) continue;
    map.upper[c] = OtherCase(charset, byte, point, towupper_l, locale);
    map.lower[c] = OtherCase(charset, byte, point, towlower_l, locale);
  }
  freelocale(locale);
}

}  // namespace vokabi::platform
