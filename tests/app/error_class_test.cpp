#include "app/error_class.h"

#include <cstdint>
#include <string>

#include "language_fixture.h"
#include "platform/codepage.h"

namespace vokabi {
namespace {

using ErrorClassTest = LanguageFixture;

TEST_F(ErrorClassTest, MsgByNomerLeavesTheStateAndClearEmptiesIt) {
  Use(2000);
  ErrorClass error(Language());
  error.SetIzhodProgram(true);
  error.SetNomer(msg::kCannotTranslate);
  const std::string text = error.MsgByNomer(msg::kNotFound);
  EXPECT_EQ(text, platform::EncodeCharset(204, "Le mot saisi est introuvable.").bytes);
  EXPECT_EQ(platform::DecodeCharset(0, text).utf8, "Le mot saisi est introuvable.");
  EXPECT_EQ(error.Nomer(), msg::kCannotTranslate);
  EXPECT_EQ(error.MsgText(), "Impossible de traduire ce mot.");
  error.Clear();
  EXPECT_FALSE(error.IzhodProgram());
  EXPECT_EQ(error.Nomer(), msg::kNone);
  EXPECT_EQ(error.MsgText(), "");
}

TEST_F(ErrorClassTest, MsgTextKeepsTheLanguageItWasSetIn) {
  Use(3000);
  ErrorClass error(Language());
  error.SetNomer(msg::kNoWord);
  const std::string german = error.MsgText();
  EXPECT_EQ(platform::DecodeCharset(0, german).utf8,
            "Es wurde kein Wort zum Übersetzen eingegeben.");
  Use(5000);
  EXPECT_EQ(error.MsgText(), german);
  error.SetNomer(msg::kNoWord);
  EXPECT_EQ(platform::DecodeCharset(0, error.MsgText()).utf8, "Nessuna parola da tradurre.");
}

// Numbers at the limits must not overflow the key arithmetic.
TEST_F(ErrorClassTest, NumbersWithoutATextSayErrorAndZeroSaysNothing) {
  for (const std::int32_t offset : kAllOffsets) {
    Use(offset);
    const ErrorClass error(Language());
    EXPECT_EQ(error.MsgByNomer(msg::kNone), "") << offset;
    for (const std::int32_t n : {13, 4008, -3, 9999, INT32_MAX, INT32_MIN})
      EXPECT_EQ(error.MsgByNomer(n), "Error " + std::to_string(n)) << offset;
  }
}

}  // namespace
}  // namespace vokabi
