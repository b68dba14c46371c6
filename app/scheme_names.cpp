#include "app/scheme_names.h"

#include <array>
#include <string_view>

#include "app/language.h"
#include "platform/codepage.h"

namespace vokabi {

namespace {

constexpr int kLanguages = 7;
constexpr std::int32_t kLanguageStep = 1000;

// By language in offset order (Bulgarian, English, French, German, Spanish, Italian, Russian),
// the schemes in the list's order.
constexpr std::array<std::array<std::string_view, kSchemeCount>, kLanguages> kCaptions = {{
    {"Сребро", "Злато", "Мед", "Хром", "Червено", "Зелено", "Зелен металик", "Небесносиньо",
     "Тъмносиньо", "Черно"},
    {"Silver", "Gold", "Copper", "Chrome", "Red", "Green", "Green Metallic", "Blue sky",
     "Blue dark", "Black"},
    {"Argent", "Or", "Cuivre", "Chrome", "Rouge", "Vert", "Vert métallisé", "Bleu ciel",
     "Bleu foncé", "Noir"},
    {"Silber", "Gold", "Kupfer", "Chrom", "Rot", "Grün", "Grün metallic", "Himmelblau",
     "Dunkelblau", "Schwarz"},
    {"Plata", "Oro", "Cobre", "Cromo", "Rojo", "Verde", "Verde metalizado", "Azul cielo",
     "Azul oscuro", "Negro"},
    {"Argento", "Oro", "Rame", "Cromo", "Rosso", "Verde", "Verde metallizzato", "Azzurro cielo",
     "Blu scuro", "Nero"},
    {"Серебро", "Золото", "Медь", "Хром", "Красный", "Зелёный", "Зелёный металлик",
     "Небесно-голубой", "Тёмно-синий", "Чёрный"},
}};

}  // namespace

std::string SchemeCaption(int scheme, std::int32_t offset) {
  const std::int32_t language = offset / kLanguageStep;
  if (scheme < 0 || scheme >= kSchemeCount || language < 0 || language >= kLanguages ||
      offset % kLanguageStep != 0)
    return {};
  return platform::EncodeCharset(CharsetForLanguage(offset), kCaptions[language][scheme]).bytes;
}

}  // namespace vokabi
