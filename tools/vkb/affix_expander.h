#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

namespace vokabi::vkb {

// The word forms a Hunspell dictionary spells out by its affix rules, for choosing which of them
// lead to a headword. It lists what the rules could make; Hunspell itself judges each form, so a
// form made in error only costs time.
class AffixExpander {
 public:
  struct Root {
    std::string word;  // UTF-8
    std::vector<std::uint32_t> flags;
  };

  // Reads base + ".aff" and base + ".dic"; false with a reason when they cannot be read.
  bool Load(const std::filesystem::path& base, std::string* error);

  const std::vector<Root>& Roots() const { return roots_; }
  // The root and every form its flags make: suffixes, a second suffix by continuation, prefixes
  // where both sides allow the cross product. UTF-8, each once.
  std::vector<std::string> Forms(const Root& root) const;
  // Whether a lower-case word Hunspell accepts is always among the forms: false where the rules
  // also build compounds, ignore characters or use what the forms above leave out.
  bool Complete() const { return complete_; }

 private:
  struct Element {
    std::u32string chars;
    bool negated = false;
    bool any = false;
  };
  struct Affix {
    std::u32string strip;
    std::u32string add;
    std::vector<std::uint32_t> continuation;
    std::vector<Element> condition;
    bool cross = false;
  };
  enum class FlagKind { kByte, kLong, kNumber, kUtf8 };

  std::vector<std::uint32_t> ParseFlags(const std::string& text) const;
  std::string ToUtf8(const std::string& text) const;
  bool Applies(const Affix& affix, const std::u32string& word, bool prefix) const;
  static std::u32string Apply(const Affix& affix, const std::u32string& word, bool prefix);

  FlagKind flagKind_ = FlagKind::kByte;
  std::string encoding_ = "ISO8859-1";
  std::vector<std::vector<std::uint32_t>> aliases_;
  std::unordered_map<std::uint32_t, std::vector<Affix>> suffixes_;
  std::unordered_map<std::uint32_t, std::vector<Affix>> prefixes_;
  std::vector<Root> roots_;
  bool complete_ = true;
};

}  // namespace vokabi::vkb
