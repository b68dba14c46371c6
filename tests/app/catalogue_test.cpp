#include "app/catalogue.h"

#include <iterator>
#include <set>
#include <string>

#include "app/catalogue_tables.h"
#include "engine/error_report.h"
#include "language_fixture.h"
#include "platform/codepage.h"

namespace vokabi {
namespace {

using CatalogueTest = LanguageFixture;

TEST(CatalogueTablesTest, EveryTextHasAWindows1251Byte) {
  for (const auto& entry : catalogue::Messages())
    for (const auto text : entry.text) EXPECT_TRUE(platform::FitsCharset(204, text)) << text;
  for (const auto& entry : catalogue::UiTexts())
    for (const auto text : entry.text) EXPECT_TRUE(platform::FitsCharset(204, text)) << text;
}

TEST_F(CatalogueTest, EveryLanguageHasTextsForTheSameNumbers) {
  // Message numbers with a text, then interface texts from 10000 on.
  const auto numbers = [this] {
    std::set<int> found;
    for (int n = 1; n <= 3100; ++n) {
      const std::string text = MessageText(Language().LanguageOffset, n);
      if (!text.empty() && text != "Error " + std::to_string(n)) found.insert(n);
    }
    for (int n = 0; n <= 61; ++n)
      if (!UiText(Language(), n).empty()) found.insert(10000 + n);
    return found;
  };
  Use(0);
  const std::set<int> bulgarian = numbers();
  // Every named message has a text, and no text is without a name.
  const std::set<int> named(std::begin(msg::kAll), std::end(msg::kAll));
  EXPECT_EQ(std::set<int>(bulgarian.begin(), bulgarian.lower_bound(10000)), named);
  EXPECT_EQ(bulgarian.size(), named.size() + 47u);
  for (const std::int32_t offset : kAllOffsets) {
    Use(offset);
    EXPECT_EQ(numbers(), bulgarian) << offset;
  }
  EXPECT_EQ(LoadResString(7001), "");
}

// Texts as the user sees them: read in the character set of their language, pieces joined by
// CR LF, spaces around them kept.
TEST_F(CatalogueTest, TextsReadRightInTheirLanguage) {
  const auto shown = [this](std::int32_t offset, int message, int uiText) {
    Use(offset);
    const std::string bytes =
        message != msg::kNone ? MessageText(offset, message) : UiText(Language(), uiText);
    return platform::DecodeCharset(Language().LanguageCharset, bytes).utf8;
  };
  EXPECT_EQ(shown(3000, 0, 48), "Übersetzen Sie mit Vokabi®");
  EXPECT_EQ(shown(5000, 0, 4), "Di più su www.vokabi.net");
  EXPECT_EQ(shown(6000, 0, 57), "Вокаби ® ");
  EXPECT_EQ(shown(6000, 0, 2), " слов.");
  EXPECT_EQ(shown(0, msg::kNoBases, 0), "Няма инсталирани речникови бази.");
  EXPECT_EQ(shown(6000, msg::kPrinterMissing, 0),
            "Внимание! Выбранный принтер не найден! \r\nПожалуйста, выберите новый принтер в "
            "настройках.");
  EXPECT_EQ(shown(4000, msg::kFontLacksLetters, 0),
            "¡Atención! La fuente seleccionada no permite\r\nmostrar correctamente el idioma "
            "seleccionado.\r\nElija otra fuente u otro idioma.");
}

}  // namespace
}  // namespace vokabi
