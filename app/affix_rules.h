#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vokabi {

// The affix rules of a Hunspell dictionary, read by ourselves: to spell out the forms a root makes
// and, the other way, to find the roots a word may be made from. Hunspell stays the judge of what
// a word's base forms are; these rules only say where to look, quickly.
class AffixRules {
 public:
  using Flags = std::vector<std::uint32_t>;
  struct Root {
    std::u32string word;
    Flags flags;
  };
  // The flags of a root, or nothing when it is not one of those asked about.
  using FlagsOf = std::function<const Flags*(const std::u32string& root)>;

  AffixRules() = default;
  // The rules by the letters they add point into the rules themselves.
  AffixRules(const AffixRules&) = delete;
  AffixRules& operator=(const AffixRules&) = delete;

  // Reads base + ".aff"; false with a reason when it cannot be read.
  bool Load(const std::filesystem::path& base, std::string* error);
  // Leaves out the rules that can lead to none of the roots with these sets of flags.
  void Keep(const std::vector<Flags>& rootFlags);
  // Reads the roots of base + ".dic" into Roots().
  bool LoadRoots(const std::filesystem::path& base, std::string* error);

  const std::vector<Root>& Roots() const { return roots_; }
  // The root and every form its flags make: suffixes, a second suffix by continuation, prefixes
  // where both sides allow the cross product, a suffix a prefix brings. Each once, in no order.
  std::vector<std::u32string> Forms(const Root& root) const;
  // The first, in a fixed order, of the roots whose Forms hold the word (the word itself left
  // out): exactly those the forms above could have made it from, given each root's flags.
  std::optional<std::u32string> RootOf(const std::u32string& word, const FlagsOf& flagsOf) const;
  // Whether a lower-case word Hunspell accepts is always among the forms: false where the rules
  // also build compounds, ignore characters or use what the forms above leave out.
  bool Complete() const { return complete_; }

 private:
  // A rule's letters and flags lie in the rules' pools (a few thousand rules are kept for as long
  // as the program runs).
  struct Affix {
    std::uint32_t flag = 0;
    std::u32string_view strip;
    std::u32string_view add;
    std::span<const std::uint32_t> continuation;
    // The condition's elements, each one letter, kAny, or kIn / kNotIn with a count and letters.
    std::u32string_view condition;
    std::uint16_t conditionLength = 0;
    bool cross = false;
  };
  enum class FlagKind { kByte, kLong, kNumber, kUtf8 };
  // Hashes the letters a rule adds, looked up by a view of the word's end or beginning.
  struct AddHash {
    using is_transparent = void;
    std::size_t operator()(std::u32string_view text) const {
      return std::hash<std::u32string_view>()(text);
    }
  };
  using ByAdd =
      std::unordered_map<std::u32string_view, std::vector<const Affix*>, AddHash, std::equal_to<>>;

  Flags ParseFlags(const std::string& text) const;
  std::string ToUtf8(const std::string& text) const;
  static constexpr char32_t kAny = 0x110000, kIn = 0x110001, kNotIn = 0x110002;
  // The condition's elements, and how many letters it checks.
  static std::u32string ParseCondition(const std::u32string& text, std::uint16_t* length);
  // Whether the letters, from `at(0)` on, meet the rule's condition.
  template <typename At>
  static bool Meets(const Affix& affix, const At& at);
  bool Applies(const Affix& affix, const std::u32string& word, bool prefix) const;
  static std::u32string Apply(const Affix& affix, const std::u32string& word, bool prefix);
  // Moves the rules' letters and flags into pools of their own, just as large as the rules kept.
  void Compact();
  // The rules by the letters they add, and the flags rules bring.
  void Index();
  // Whether the rule applies to the word made of the text's first (last) `kept` letters and the
  // letters the rule strips.
  bool Holds(const Affix& affix, std::u32string_view text, std::size_t kept, bool prefix) const;
  // Visits each rule whose added letters end (begin) the text, with the word it would have been
  // added to, until a visit returns true; whether one did.
  template <typename Visit>
  bool Unsuffix(const std::u32string& text, const Visit& visit) const;
  template <typename Visit>
  bool Unprefix(const std::u32string& text, const Visit& visit) const;

  FlagKind flagKind_ = FlagKind::kByte;
  std::string encoding_ = "ISO8859-1";
  std::vector<Flags> aliases_;
  std::vector<std::uint32_t> compoundRuleFlags_;
  std::unordered_map<std::uint32_t, std::vector<Affix>> suffixes_;
  std::unordered_map<std::uint32_t, std::vector<Affix>> prefixes_;
  // The rules by the letters they add, for finding roots.
  ByAdd suffixesByAdd_;
  ByAdd prefixesByAdd_;
  std::size_t longestSuffix_ = 0;
  std::size_t longestPrefix_ = 0;
  // The flags some suffix (prefix) names as a continuation: the only second suffixes.
  Flags afterSuffix_;
  Flags afterPrefix_;
  std::vector<char32_t> letters_;
  std::vector<std::uint32_t> flags_;
  std::vector<Root> roots_;
  bool complete_ = true;
};

// UTF-8 and UTF-32, as the rules hold words.
std::u32string ToUtf32(const std::string& utf8);
std::string FromUtf32(const std::u32string& text);

}  // namespace vokabi
