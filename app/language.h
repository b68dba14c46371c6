#pragma once

// The Bulgarian and form-designer names used here are explained in docs/glossary.md.

#include <cstdint>

namespace vokabi {

// Value of the stored Language setting when nothing is stored yet.
inline constexpr std::int32_t kNoLanguageStored = 99;

// 204 for offsets 0 and 6000, else 0.
std::int32_t CharsetForLanguage(std::int32_t offset);

// The interface language, which selects both the interface texts and the messages.
struct InterfaceLanguage {
  // 0 Bulgarian, 1000 English, 2000 French, 3000 German, 4000 Spanish, 5000 Italian, 6000 Russian.
  std::int32_t LanguageOffset = 0;
  // Font character set of the language: 204 for Bulgarian and Russian, else 0.
  std::int32_t LanguageCharset = 204;

  // The language at offset, with its character set.
  static InterfaceLanguage At(std::int32_t offset) { return {offset, CharsetForLanguage(offset)}; }
  // 0 Bulgarian to 6 Russian, as the name fields of a base count them.
  std::int32_t Ezik() const { return LanguageOffset / 1000; }

  bool operator==(const InterfaceLanguage&) const = default;
};

// The language of the stored setting; with nothing stored, of the thread locale of the platform.
InterfaceLanguage LanguageForSetting(std::int32_t stored);
// The same with the thread locale given, so that the choice can be made without the platform.
InterfaceLanguage LanguageForSetting(std::int32_t stored, std::uint32_t threadLocale);

// Language offset of a Windows locale identifier: only the primary locales of the six languages
// other than English choose their language; everything else is English.
std::int32_t OffsetForLocale(std::uint32_t localeId);

}  // namespace vokabi
