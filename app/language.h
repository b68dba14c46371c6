#pragma once

// The Bulgarian and form-designer names used here are explained in docs/glossary.md.

#include <cstdint>

namespace vokabi {

// Interface language: 0 Bulgarian, 1000 English, 2000 French, 3000 German, 4000 Spanish,
// 5000 Italian, 6000 Russian. Selects both the interface texts and the messages.
extern std::int32_t LanguageOffset;
// Font character set of the interface language: 204 for Bulgarian and Russian, else 0.
extern std::int32_t LanguageCharset;

// Value of the stored Language setting when nothing is stored yet.
inline constexpr std::int32_t kNoLanguageStored = 99;

// Sets LanguageOffset and LanguageCharset from the stored setting; with nothing stored, from the
// thread locale of the platform.
void ApplyLanguageSetting(std::int32_t stored);
// The same with the thread locale given, so that the choice can be made without the platform.
void ApplyLanguageSetting(std::int32_t stored, std::uint32_t threadLocale);

// 204 for offsets 0 and 6000, else 0.
std::int32_t CharsetForLanguage(std::int32_t offset);

// Language offset of a Windows locale identifier: only the primary locales of the six languages
// other than English choose their language; everything else is English.
std::int32_t OffsetForLocale(std::uint32_t localeId);

}  // namespace vokabi
