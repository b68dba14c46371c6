#include "tools/vkb/transliteration.h"

#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/uscript.h>
#include <unicode/utf8.h>

#include <unordered_set>

#include "platform/codepage.h"

namespace vokabi::vkb {
namespace {

// The characters each code page holds, read once.
const std::unordered_set<UChar32>& Held(int charset) {
  static std::map<int, std::unordered_set<UChar32>> held;  // process-wide: a memo of fixed sets
  auto [it, added] = held.try_emplace(charset);
  if (!added) return it->second;
  for (int b = 1; b < 256; ++b) {
    const platform::Decoded decoded =
        platform::DecodeCharset(charset, std::string(1, static_cast<char>(b)));
    if (decoded.undefined != 0) continue;
    const auto* s = reinterpret_cast<const std::uint8_t*>(decoded.utf8.data());
    const auto length = static_cast<std::int32_t>(decoded.utf8.size());
    std::int32_t i = 0;
    UChar32 c = 0;
    U8_NEXT(s, i, length, c);
    if (c >= 0 && i == length) it->second.insert(c);
  }
  return it->second;
}

bool WordCharacter(UChar32 c) {
  const auto type = u_charType(c);
  return u_isalpha(c) || type == U_NON_SPACING_MARK || type == U_COMBINING_SPACING_MARK;
}

// The script a code page is made for: a letter of it that the page lacks loses its accent
// instead (the fitting does that), e.g. Cyrillic ѝ in code page 1251.
UScriptCode OwnScript(int charset) {
  switch (platform::CodePageForCharset(charset)) {
    case 1251:
      return USCRIPT_CYRILLIC;
    case 1253:
      return USCRIPT_GREEK;
    default:
      return USCRIPT_LATIN;
  }
}

// ICU's transform for a word of the script written by a speaker of the language.
std::string TransformId(UScriptCode script, const std::string& language) {
  switch (script) {
    case USCRIPT_LATIN:
      return language == "de" ? "de-ASCII" : "Latin-ASCII";
    case USCRIPT_CYRILLIC:
      if (language == "bg") return "Bulgarian-Latin/BGN; Latin-ASCII";
      if (language == "ru") return "Russian-Latin/BGN; Latin-ASCII";
      return "Cyrillic-Latin; Latin-ASCII";
    case USCRIPT_GREEK:
      return "Greek-Latin/UNGEGN; Latin-ASCII";
    default:
      return "Any-Latin; Latin-ASCII";
  }
}

}  // namespace

Transliteration::Transliteration(int charset, std::string language)
    : charset_(charset), language_(std::move(language)) {}

Transliteration::~Transliteration() = default;

icu::Transliterator* Transliteration::For(int script) const {
  auto found = transforms_.find(script);
  if (found != transforms_.end()) return found->second.get();
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Transliterator> transform(icu::Transliterator::createInstance(
      icu::UnicodeString::fromUTF8(TransformId(static_cast<UScriptCode>(script), language_)),
      UTRANS_FORWARD, status));
  if (U_FAILURE(status)) transform.reset();
  return transforms_.emplace(script, std::move(transform)).first->second.get();
}

std::string Transliteration::Apply(std::string_view utf8, std::size_t* written) const {
  const std::unordered_set<UChar32>& held = Held(charset_);
  std::string out;
  out.reserve(utf8.size());
  const auto* s = reinterpret_cast<const std::uint8_t*>(utf8.data());
  const auto length = static_cast<std::int32_t>(utf8.size());
  for (std::int32_t i = 0; i < length;) {
    std::int32_t end = i;
    UChar32 c = 0;
    U8_NEXT(s, end, length, c);
    if (c < 0 || !WordCharacter(c)) {
      out.append(utf8.substr(static_cast<std::size_t>(i), static_cast<std::size_t>(end - i)));
      i = end;
      continue;
    }
    // A word, and the script of its first letter the code page lacks (marks alone are left to
    // the fitting, which drops stress marks).
    UScriptCode script = USCRIPT_INVALID_CODE;
    std::int32_t wordEnd = i;
    while (wordEnd < length) {
      std::int32_t next = wordEnd;
      U8_NEXT(s, next, length, c);
      if (c < 0 || !WordCharacter(c)) break;
      if (script == USCRIPT_INVALID_CODE && u_isalpha(c) && !held.contains(c)) {
        UErrorCode status = U_ZERO_ERROR;
        const UScriptCode found = uscript_getScript(c, &status);
        if (U_SUCCESS(status) && found != OwnScript(charset_)) script = found;
      }
      wordEnd = next;
    }
    const std::string_view word =
        utf8.substr(static_cast<std::size_t>(i), static_cast<std::size_t>(wordEnd - i));
    icu::Transliterator* transform =
        script == USCRIPT_INVALID_CODE ? nullptr : For(static_cast<int>(script));
    const auto known = transform == nullptr ? written_.end() : written_.find(std::string(word));
    if (transform == nullptr) {
      out.append(word);
    } else if (known != written_.end()) {
      out += known->second;
      ++*written;
    } else {
      icu::UnicodeString text = icu::UnicodeString::fromUTF8(
          icu::StringPiece(word.data(), static_cast<std::int32_t>(word.size())));
      transform->transliterate(text);
      ++*written;
      std::string plain;
      text.toUTF8String(plain);
      out += plain;
      written_.emplace(word, std::move(plain));
    }
    i = wordEnd;
  }
  return out;
}

std::string TwoLetterLanguage(std::string_view code) {
  static const std::map<std::string_view, std::string> kCodes = {
      {"bul", "bg"}, {"deu", "de"}, {"ell", "el"}, {"eng", "en"}, {"fra", "fr"}, {"ita", "it"},
      {"nld", "nl"}, {"pol", "pl"}, {"rus", "ru"}, {"spa", "es"}, {"swe", "sv"}};
  const auto found = kCodes.find(code);
  return found == kCodes.end() ? std::string() : found->second;
}

std::string DatabaseLanguage(std::string_view database, int side) {
  const std::size_t slash = database.find_last_of('/');
  std::string_view name = slash == std::string_view::npos ? database : database.substr(slash + 1);
  if (name.size() >= 6 && name.substr(name.size() - 6) == ".index") name.remove_suffix(6);
  constexpr std::string_view kPrefix = "freedict-";
  if (name.size() != kPrefix.size() + 7 || name.substr(0, kPrefix.size()) != kPrefix ||
      name[kPrefix.size() + 3] != '-') {
    return {};
  }
  return TwoLetterLanguage(name.substr(kPrefix.size() + (side == 1 ? 0 : 4), 3));
}

}  // namespace vokabi::vkb
