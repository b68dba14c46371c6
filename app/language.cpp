#include "app/language.h"

#include "platform/locale.h"

namespace vokabi {

namespace {

constexpr std::int32_t kBulgarian = 0;
constexpr std::int32_t kEnglish = 1000;
constexpr std::int32_t kFrench = 2000;
constexpr std::int32_t kGerman = 3000;
constexpr std::int32_t kSpanish = 4000;
constexpr std::int32_t kItalian = 5000;
constexpr std::int32_t kRussian = 6000;

constexpr std::int32_t kCyrillicCharset = 204;
constexpr std::int32_t kWesternCharset = 0;

}  // namespace

InterfaceLanguage LanguageForSetting(std::int32_t stored) {
  return LanguageForSetting(stored, platform::ThreadLocale());
}

InterfaceLanguage LanguageForSetting(std::int32_t stored, std::uint32_t threadLocale) {
  std::int32_t offset = kEnglish;
  if (stored == kNoLanguageStored) {
    offset = OffsetForLocale(threadLocale);
  } else {
    for (const std::int32_t known :
         {kBulgarian, kEnglish, kFrench, kGerman, kSpanish, kItalian, kRussian}) {
      if (stored == known) {
        offset = known;
        break;
      }
    }
  }
  return InterfaceLanguage::At(offset);
}

std::int32_t CharsetForLanguage(std::int32_t offset) {
  return offset == kBulgarian || offset == kRussian ? kCyrillicCharset : kWesternCharset;
}

std::int32_t OffsetForLocale(std::uint32_t localeId) {
  // Only the primary sublanguage of each language: es-ES modern sort (0x0C0A) or de-CH stays
  // English.
  switch (localeId) {
    case 0x0402:
      return kBulgarian;
    case 0x0407:
      return kGerman;
    case 0x040A:
      return kSpanish;
    case 0x040C:
      return kFrench;
    case 0x0410:
      return kItalian;
    case 0x0419:
      return kRussian;
    default:
      return kEnglish;
  }
}

}  // namespace vokabi
