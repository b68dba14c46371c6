#pragma once

#include <array>
#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vokabi::vkb {

// What fitting text into a code page changed, by kind.
struct FitReport {
  enum Kind {
    kMarks,           // stress and accent marks removed
    kTypographic,     // typographic quotes, dashes, spaces made plain
    kUnaccented,      // letters written without their accent
    kSpelledOut,      // letters written out (ß → ss, æ → ae …)
    kPhonetic,        // pronunciation in phonetic script dropped
    kDropped,         // characters with no plain form, dropped
    kTransliterated,  // words of a letter the code page lacks, written as their language would
    kKinds
  };
  std::array<std::size_t, kKinds> counts{};
  std::map<std::string, std::size_t> dropped;  // the dropped characters themselves

  void Add(const FitReport& other);
  // One line per kind that changed anything, e.g. "  1234 stress and accent marks removed".
  std::string Describe() const;
};

// Writes UTF-8 text in a Windows character set on purpose: every character the code page holds
// stays; the rest is made plain, written without its accent, spelled out or dropped, and counted.
// Never writes a byte that reads back as another character. Given the language of the words
// that may not fit (ISO 639-1), such a word is first written the way its language writes it
// without its special letters (Transliteration).
class Transliteration;
class CodePageFitter {
 public:
  explicit CodePageFitter(int charset, const std::string& language = {});

  std::string Fit(std::string_view utf8, FitReport* report) const;
  int Charset() const { return charset_; }

 private:
  // Appends the code point's byte when the code page holds it.
  bool Put(char32_t c, std::string* out) const;

  int charset_;
  std::shared_ptr<const Transliteration> transliteration_;
  std::unordered_map<char32_t, unsigned char> bytes_;
};

}  // namespace vokabi::vkb
