#include "tools/vkb/code_page_fit.h"

#include <unicode/uchar.h>
#include <unicode/unorm2.h>
#include <unicode/utf8.h>

#include <cstdio>

#include "platform/codepage.h"
#include "tools/vkb/transliteration.h"

namespace vokabi::vkb {
namespace {

const char* const kKindNames[FitReport::kKinds] = {
    "stress and accent marks removed",
    "typographic quotes, dashes and spaces made plain",
    "letters written without their accent",
    "letters written out in plain letters",
    "characters of phonetic pronunciation dropped",
    "characters without a plain form dropped",
    "words written in the plain letters of their language",
};

// Plain forms of typographic characters; an empty form drops an invisible character.
const char* Plain(char32_t c) {
  switch (c) {
    case U'\u2018':
    case U'\u2019':
    case U'\u201A':
    case U'\u201B':
    case U'\u2032':
    case U'\u00B4':
      return "'";
    case U'\u201C':
    case U'\u201D':
    case U'\u201E':
    case U'\u201F':
    case U'\u2033':
    case U'\u00AB':
    case U'\u00BB':
      return "\"";
    case U'\u2010':
    case U'\u2011':
    case U'\u2012':
    case U'\u2013':
    case U'\u2014':
    case U'\u2015':
    case U'\u2212':
      return "-";
    case U'\u2026':
      return "...";
    case U'\u2024':
    case U'\u2027':
    case U'\u00B7':
      return ".";
    case U'\u00A0':
    case U'\u2002':
    case U'\u2003':
    case U'\u2009':
    case U'\u202F':
      return " ";
    case U'\u00AD':
    case U'\u200B':
    case U'\u200C':
    case U'\u200D':
    case U'\u200E':
    case U'\u200F':
    case U'\u2060':
    case U'\uFEFF':
      return "";
    default:
      return nullptr;
  }
}

// Letters that have no accent to take off but a customary plain spelling.
const char* SpelledOut(char32_t c) {
  switch (c) {
    case U'ß':
      return "ss";
    case U'æ':
      return "ae";
    case U'Æ':
      return "AE";
    case U'œ':
      return "oe";
    case U'Œ':
      return "OE";
    case U'ø':
      return "o";
    case U'Ø':
      return "O";
    case U'ł':
      return "l";
    case U'Ł':
      return "L";
    case U'đ':
    case U'ð':
      return "d";
    case U'Đ':
    case U'Ð':
      return "D";
    case U'ı':
      return "i";
    case U'þ':
      return "th";
    case U'Þ':
      return "Th";
    default:
      return nullptr;
  }
}

bool IsPhonetic(char32_t c) {
  return (c >= 0x0250 && c <= 0x02FF) || (c >= 0x1D00 && c <= 0x1DBF);
}

std::string Utf8(char32_t c) {
  char buffer[4];
  int length = 0;
  UBool error = false;
  U8_APPEND(buffer, length, 4, static_cast<UChar32>(c), error);
  return error ? std::string() : std::string(buffer, static_cast<std::size_t>(length));
}

// How a dropped character is named in the report: itself, or its number when it shows nothing.
std::string Shown(char32_t c) {
  const auto u = static_cast<UChar32>(c);
  if (u_isgraph(u) && u_charType(u) != U_PRIVATE_USE_CHAR) return Utf8(c);
  char number[16];
  std::snprintf(number, sizeof number, "U+%04X", static_cast<unsigned>(c));
  return number;
}

}  // namespace

void FitReport::Add(const FitReport& other) {
  for (int k = 0; k < kKinds; ++k) counts[k] += other.counts[k];
  for (const auto& [c, n] : other.dropped) dropped[c] += n;
}

std::string FitReport::Describe() const {
  std::string text;
  for (int k = 0; k < kKinds; ++k) {
    if (counts[k] == 0) continue;
    text += "    " + std::to_string(counts[k]) + " " + kKindNames[k];
    if (k == kDropped) {
      text += ":";
      int shown = 0;
      for (const auto& [c, n] : dropped) {
        if (++shown > 20) {
          text += " …";
          break;
        }
        text += " " + c;
      }
    }
    text += "\n";
  }
  return text;
}

CodePageFitter::CodePageFitter(int charset, const std::string& language)
    : charset_(charset),
      transliteration_(std::make_shared<const Transliteration>(charset, language)) {
  for (int b = 1; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const platform::Decoded decoded = platform::DecodeCharset(charset, byte);
    if (decoded.undefined != 0) continue;
    const auto* s = reinterpret_cast<const std::uint8_t*>(decoded.utf8.data());
    const auto length = static_cast<std::int32_t>(decoded.utf8.size());
    std::int32_t i = 0;
    UChar32 c = 0;
    U8_NEXT(s, i, length, c);
    // A byte that decodes to more than one character (a held letter) is not a plain byte.
    if (c >= 0 && i == length)
      bytes_.emplace(static_cast<char32_t>(c), static_cast<unsigned char>(b));
  }
}

bool CodePageFitter::Put(char32_t c, std::string* out) const {
  const auto found = bytes_.find(c);
  if (found == bytes_.end()) return false;
  out->push_back(static_cast<char>(found->second));
  return true;
}

std::string CodePageFitter::Fit(std::string_view original, FitReport* report) const {
  std::size_t rewritten = 0;
  const std::string transliterated = transliteration_->Apply(original, &rewritten);
  report->counts[FitReport::kTransliterated] += rewritten;
  const std::string_view utf8 = transliterated;
  UErrorCode status = U_ZERO_ERROR;
  const UNormalizer2* nfd = unorm2_getNFDInstance(&status);
  std::string out;
  out.reserve(utf8.size());
  const auto* s = reinterpret_cast<const std::uint8_t*>(utf8.data());
  const auto length = static_cast<std::int32_t>(utf8.size());
  for (std::int32_t i = 0; i < length;) {
    UChar32 c = 0;
    U8_NEXT(s, i, length, c);
    if (c < 0) {  // not UTF-8 at all
      ++report->counts[FitReport::kDropped];
      ++report->dropped["\xEF\xBF\xBD"];
      continue;
    }
    const auto cp = static_cast<char32_t>(c);
    if (Put(cp, &out)) continue;
    if (u_charType(c) == U_NON_SPACING_MARK || u_charType(c) == U_ENCLOSING_MARK) {
      ++report->counts[FitReport::kMarks];
      continue;
    }
    if (const char* plain = Plain(cp)) {
      out += plain;
      ++report->counts[FitReport::kTypographic];
      continue;
    }
    UChar decomposition[8];
    status = U_ZERO_ERROR;
    const std::int32_t parts =
        nfd == nullptr ? 0 : unorm2_getDecomposition(nfd, c, decomposition, 8, &status);
    if (U_SUCCESS(status) && parts > 0) {
      UChar32 base = 0;
      std::int32_t k = 0;
      U16_NEXT(decomposition, k, parts, base);
      if (Put(static_cast<char32_t>(base), &out)) {
        ++report->counts[FitReport::kUnaccented];
        continue;
      }
    }
    if (const char* spelled = SpelledOut(cp)) {
      std::string written;
      bool fits = true;
      for (const char* p = spelled; *p != '\0' && fits; ++p)
        fits = Put(static_cast<char32_t>(*p), &written);
      if (fits) {
        out += written;
        ++report->counts[FitReport::kSpelledOut];
        continue;
      }
    }
    if (IsPhonetic(cp)) {
      ++report->counts[FitReport::kPhonetic];
      continue;
    }
    ++report->counts[FitReport::kDropped];
    ++report->dropped[Shown(cp)];
  }
  return out;
}

}  // namespace vokabi::vkb
