#include "tests/support/base_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "app/error_class.h"
#include "app/system_case_map.h"
#include "engine/make_crypto.h"

namespace vokabi::test {

bool BuildImage(const BaseSource& source, BaseImage* image) {
  ErrorClass errors;
  MakeCrypto crypto(errors);
  std::string error;
  if (!BuildBaseImage(source, crypto, SystemCaseMap, image, &error)) {
    ADD_FAILURE() << "the writer refused the base: " << error;
    return false;
  }
  return true;
}

bool WriteImage(const std::filesystem::path& path, const BaseImage& image) {
  ErrorClass errors;
  MakeCrypto crypto(errors);
  std::string error;
  const std::string bytes = EncodeBase(image, crypto, &error);
  if (bytes.empty()) {
    ADD_FAILURE() << "the writer cannot lay out the base: " << error;
    return false;
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) {
    ADD_FAILURE() << "cannot write " << path;
    return false;
  }
  return true;
}

bool WriteBase(const std::filesystem::path& path, const BaseSource& source) {
  BaseImage image;
  return BuildImage(source, &image) && WriteImage(path, image);
}

}  // namespace vokabi::test
