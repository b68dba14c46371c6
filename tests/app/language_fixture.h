#pragma once

#include <gtest/gtest.h>

#include "app/language.h"

namespace vokabi {

// Tests of what reads the interface language, each test with a language of its own.
class LanguageFixture : public ::testing::Test {
 protected:
  // The language under test: the fixture's own unless a fixture keeps it elsewhere.
  virtual InterfaceLanguage& Language() { return language_; }
  void Use(std::int32_t offset) { Language() = InterfaceLanguage::At(offset); }

  static constexpr std::int32_t kAllOffsets[] = {0, 1000, 2000, 3000, 4000, 5000, 6000};

 private:
  InterfaceLanguage language_;
};

}  // namespace vokabi
