#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vokabi {

// A single-byte character set's bytes as code points and back, from a table made once: the word
// forms are worked out in code points, many times a word.
class CharsetLetters {
 public:
  explicit CharsetLetters(int charset);

  std::u32string Decode(std::string_view bytes) const;
  // Nothing when a character has no byte in the set.
  std::optional<std::string> Encode(const std::u32string& text) const;

 private:
  std::array<char32_t, 256> decode_{};
  std::unordered_map<char32_t, char> encode_;
};

}  // namespace vokabi
