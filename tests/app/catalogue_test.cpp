#include "app/catalogue.h"

#include <set>
#include <string>

#include "app/catalogue_tables.h"
#include "language_fixture.h"
#include "platform/codepage.h"

namespace vokabi {
namespace {

using CatalogueTest = LanguageFixture;

// What the user sees: the text read in the character set of the current language.
std::string Shown(const std::string& bytes) {
  return platform::DecodeCharset(LanguageCharset, bytes).utf8;
}

std::string Message(std::int32_t number) {
  return MessageText(LanguageOffset * 10 + number);
}

TEST(CatalogueTablesTest, EveryTextHasAWindows1251Byte) {
  for (const auto& entry : catalogue::Messages()) {
    for (const auto text : entry.text)
      EXPECT_TRUE(platform::FitsCharset(catalogue::kStoredCharset, text)) << text;
  }
  for (const auto& entry : catalogue::UiTexts()) {
    for (const auto text : entry.text)
      EXPECT_TRUE(platform::FitsCharset(catalogue::kStoredCharset, text)) << text;
  }
}

TEST_F(CatalogueTest, EveryLanguageHasTheSameMessages) {
  for (const std::int32_t offset : kAllOffsets) {
    Use(offset);
    for (const std::int32_t number :
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1000, 2000, 3000, 3001, 3002}) {
      const std::string text = Message(number);
      EXPECT_FALSE(text.empty()) << offset << " " << number;
      EXPECT_NE(text, "Error " + std::to_string(number)) << offset << " " << number;
    }
  }
}

TEST_F(CatalogueTest, NumbersWithoutTextAndZero) {
  for (const std::int32_t offset : kAllOffsets) {
    Use(offset);
    EXPECT_EQ(Message(0), "") << offset;
    EXPECT_EQ(Message(4008), "Error 4008") << offset;
    EXPECT_EQ(Message(13), "Error 13") << offset;
    EXPECT_EQ(Message(-3), "Error -3") << offset;
    EXPECT_EQ(Message(9999), "Error 9999") << offset;
  }
}

TEST_F(CatalogueTest, WesternTextsReadInWindows1252) {
  Use(3000);
  EXPECT_EQ(Shown(UiText(48)), "Übersetzen Sie mit Vokabi®");
  EXPECT_EQ(Shown(UiText(28)), "Außer Position");
  Use(4000);
  EXPECT_EQ(Shown(Message(1000)),
            "Índice incorrecto del diccionario (LangID; ¡Función De vuelta Ezik_to_CharSet)! ");
}

TEST_F(CatalogueTest, CyrillicTextsReadInWindows1251) {
  Use(0);
  EXPECT_EQ(Shown(Message(10)), "Няма инсталирани речникови бази.");
  EXPECT_EQ(Shown(UiText(15)), "Вокаби");
  Use(6000);
  EXPECT_EQ(Shown(UiText(57)), "Вокаби ® ");
}

TEST_F(CatalogueTest, PiecesAreJoinedByCrLf) {
  Use(1000);
  EXPECT_EQ(Message(2000),
            "Attention! Selected font not support\r\ncorrect visualisation of selected "
            "language.\r\nPlease choose other font or language.");
  Use(6000);
  EXPECT_EQ(Shown(Message(3000)),
            "Внимание! Выбранный принтер ненайден! \r\n Пожалуйста выбирите новый принтер от меню "
            "установки.");
}

TEST_F(CatalogueTest, SpacesAroundTextsAreKept) {
  EXPECT_EQ(LoadResString(6046), platform::EncodeCharset(204, " Переведи").bytes);
  EXPECT_EQ(LoadResString(1057), "Vokabi \xAE ");
  EXPECT_EQ(LoadResString(3057), "Vokabi \xAE");
  EXPECT_EQ(LoadResString(1055), "Word : ");
  EXPECT_EQ(LoadResString(2002), " mots.");
  // The web line is the word and the address.
  EXPECT_EQ(LoadResString(1004), std::string("More at ") + kWebAddress);
  Use(5000);
  EXPECT_EQ(Shown(UiText(4)), std::string("Più ") + kWebAddress);
}

TEST_F(CatalogueTest, EveryLanguageHasTextsForTheSameNumbers) {
  std::set<int> bulgarian;
  for (int n = 0; n <= 61; ++n) {
    if (!LoadResString(n).empty()) bulgarian.insert(n);
  }
  EXPECT_EQ(bulgarian.size(), 47u);
  for (const int missing : {0, 5, 8, 9, 16, 18, 23, 58, 60, 61})
    EXPECT_EQ(bulgarian.count(missing), 0u);

  for (const std::int32_t offset : kAllOffsets) {
    Use(offset);
    std::set<int> present;
    for (int n = 0; n <= 61; ++n) {
      if (!UiText(n).empty()) present.insert(n);
    }
    EXPECT_EQ(present, bulgarian) << offset;
  }
  EXPECT_EQ(LoadResString(7001), "");
  EXPECT_EQ(LoadResString(-999), "");
}

}  // namespace
}  // namespace vokabi
