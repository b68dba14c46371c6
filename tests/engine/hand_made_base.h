#pragma once

#include <cstdint>
#include <string>

#include "tests/engine/dictionary_fixture.h"

namespace vokabi::test {

// Hand-made bases: entries, tables and bodies placed exactly where a test wants them.
class HandMadeBaseTest : public DictionaryTest {
 protected:
  static constexpr const char* kKey = "k";

  // A locator for a body at a 1-based region position.
  static std::string Locator(std::uint32_t bodyPos, std::uint32_t bodyLength, std::uint32_t back) {
    std::string l(6, '\0');
    l[0] = static_cast<char>(bodyPos >> 16);
    l[1] = static_cast<char>(bodyPos >> 8);
    l[2] = static_cast<char>(bodyPos);
    l[3] = static_cast<char>(bodyLength >> 7);
    l[4] = static_cast<char>(((bodyLength & 0x7F) << 1) | (back >> 8));
    l[5] = static_cast<char>(back);
    return l;
  }
  static std::string Record(char key, std::uint32_t position) {
    return std::string{key, static_cast<char>(position >> 16), static_cast<char>(position >> 8),
                       static_cast<char>(position)};
  }
  // Adds a body to region 1 and returns its locator.
  std::string Body(BaseImage& image, const std::string& text, std::uint32_t back = 0) {
    const std::string body = crypto.Encrypt(text, kKey);
    const auto pos = static_cast<std::uint32_t>(image.region1.size() + 1);
    image.region1 += body;
    return Locator(pos, static_cast<std::uint32_t>(body.size()), back);
  }
  static BaseImage Blank() {
    BaseImage image;
    image.key = kKey;
    for (auto& name : image.names) name = "A,B";
    return image;
  }
};

}  // namespace vokabi::test
