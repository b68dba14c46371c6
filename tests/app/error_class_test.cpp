#include "app/error_class.h"

#include <cstdint>

#include "app/catalogue.h"
#include "language_fixture.h"
#include "platform/codepage.h"

namespace vokabi {
namespace {

using ErrorClassTest = LanguageFixture;

TEST_F(ErrorClassTest, StartsAndClearsEmpty) {
  ErrorClass error;
  EXPECT_FALSE(error.IzhodProgram());
  EXPECT_EQ(error.Nomer(), 0);
  EXPECT_EQ(error.MsgText(), "");

  error.SetIzhodProgram(true);
  error.SetNomer(5);
  error.Clear();
  EXPECT_FALSE(error.IzhodProgram());
  EXPECT_EQ(error.Nomer(), 0);
  EXPECT_EQ(error.MsgText(), "");
}

TEST_F(ErrorClassTest, NomerFetchesTheTextAtOnce) {
  Use(1000);
  ErrorClass error;
  error.SetNomer(5);
  EXPECT_EQ(error.Nomer(), 5);
  EXPECT_EQ(error.MsgText(), "Entered word/phrase not found.");
  error.SetNomer(0);
  EXPECT_EQ(error.MsgText(), "");
}

TEST_F(ErrorClassTest, MsgByNomerLeavesTheStateAlone) {
  Use(2000);
  ErrorClass error;
  error.SetNomer(3);
  const std::string before = error.MsgText();

  const std::string text = error.MsgByNomer(5);
  EXPECT_EQ(text, platform::EncodeCharset(204, "A йcrit word/phrase non trouvй.").bytes);
  EXPECT_EQ(platform::DecodeCharset(0, text).utf8, "A écrit word/phrase non trouvé.");
  EXPECT_EQ(error.Nomer(), 3);
  EXPECT_EQ(error.MsgText(), before);
}

TEST_F(ErrorClassTest, MsgTextKeepsTheLanguageItWasSetIn) {
  Use(3000);
  ErrorClass error;
  error.SetNomer(4);
  const std::string german = error.MsgText();
  EXPECT_EQ(platform::DecodeCharset(0, german).utf8, "Dort sind kein Wort für Übersetzung.");

  Use(5000);
  EXPECT_EQ(error.MsgText(), german);
  EXPECT_NE(error.MsgByNomer(4), german);
  error.SetNomer(4);
  EXPECT_EQ(platform::DecodeCharset(0, error.MsgText()).utf8, "Là è Parola per la traduzione.");
}

TEST_F(ErrorClassTest, NumbersAtTheLimitsDoNotOverflow) {
  Use(6000);
  ErrorClass error;
  error.SetNomer(INT32_MAX);
  EXPECT_EQ(error.MsgText(), "Error 2147483647");
  EXPECT_EQ(error.MsgByNomer(INT32_MIN), "Error -2147483648");
}

}  // namespace
}  // namespace vokabi
