#pragma once

#include <unicode/uversion.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

U_NAMESPACE_BEGIN
class Transliterator;
U_NAMESPACE_END

namespace vokabi::vkb {

// Writes words that a code page cannot hold the way their own language writes them without its
// special letters: German ä ö ü ß as ae oe ue ss, other Latin-script languages without their
// accents, Cyrillic and Greek words in Latin letters by the usual romanisation (ICU's
// transforms). A word that the code page holds stays as it is.
class Transliteration {
 public:
  // language: ISO 639-1 code of the words' language ("de"), or empty when it is not known.
  Transliteration(int charset, std::string language);
  ~Transliteration();
  Transliteration(const Transliteration&) = delete;
  Transliteration& operator=(const Transliteration&) = delete;

  // *written counts the words written anew.
  std::string Apply(std::string_view utf8, std::size_t* written) const;

 private:
  icu::Transliterator* For(int script) const;

  int charset_;
  std::string language_;
  mutable std::map<int, std::unique_ptr<icu::Transliterator>> transforms_;
  // ICU's transforms are slow beside reading; the same words recur throughout a dictionary.
  mutable std::unordered_map<std::string, std::string> written_;
};

// The ISO 639-1 code of a FreeDict database's language, from its name freedict-SRC-DST:
// side 1 is SRC, side 2 DST. Empty when the name says nothing.
std::string DatabaseLanguage(std::string_view database, int side);

// ISO 639-3 (FreeDict's) to ISO 639-1; empty for a code not known here.
std::string TwoLetterLanguage(std::string_view code);

}  // namespace vokabi::vkb
