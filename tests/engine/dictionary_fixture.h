#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "app/error_class.h"
#include "app/system_case_map.h"
#include "engine/dictionary.h"
#include "engine/make_crypto.h"
#include "platform/codepage.h"
#include "tests/support/base_files.h"
#include "tests/support/sample_base.h"
#include "tests/support/temp_folder.h"

namespace vokabi::test {

// A Dictionary over a base written into the test's own folder.
class DictionaryTest : public ::testing::Test {
 protected:
  DictionaryTest() : crypto(errors), dictionary(crypto, errors, folder.Path(), SystemCaseMap) {}

  bool Load(const BaseSource& source, const std::string& name = "enbg.vkb") {
    return WriteBase(folder / name, source) && dictionary.Initialize(name);
  }
  bool LoadImage(const BaseImage& image, const std::string& name = "hand.vkb") {
    return WriteImage(folder / name, image) && dictionary.Initialize(name);
  }

  static std::string Cp1251(std::string_view utf8) {
    return platform::EncodeCharset(204, utf8).bytes;
  }
  static std::string Cp1252(std::string_view utf8) {
    return platform::EncodeCharset(0, utf8).bytes;
  }

  TempFolder folder;
  ErrorClass errors;
  MakeCrypto crypto;
  Dictionary dictionary;
};

}  // namespace vokabi::test
