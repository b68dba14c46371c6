#pragma once

#include <gtest/gtest.h>

#include "app/language.h"

namespace vokabi {

// Tests that switch the interface language put the one they found back.
class LanguageFixture : public ::testing::Test {
 protected:
  void TearDown() override {
    LanguageOffset = savedOffset_;
    LanguageCharset = savedCharset_;
  }

  static void Use(std::int32_t offset) {
    LanguageOffset = offset;
    LanguageCharset = CharsetForLanguage(offset);
  }

  static constexpr std::int32_t kAllOffsets[] = {0, 1000, 2000, 3000, 4000, 5000, 6000};

 private:
  const std::int32_t savedOffset_ = LanguageOffset;
  const std::int32_t savedCharset_ = LanguageCharset;
};

}  // namespace vokabi
