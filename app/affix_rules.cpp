#include "app/affix_rules.h"

#include <algorithm>
#include <deque>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "platform/text_encoding.h"
#include "platform/utf8.h"

namespace vokabi {
namespace {

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  for (std::size_t i = 0; i < line.size();) {
    while (i < line.size() && space(line[i])) ++i;
    const std::size_t start = i;
    while (i < line.size() && !space(line[i])) ++i;
    if (i > start) fields.emplace_back(line, start, i - start);
  }
  return fields;
}

bool HasNonLetter(const std::string& utf8) {
  const std::u32string text = ToUtf32(utf8);
  return std::any_of(text.begin(), text.end(), [](char32_t c) { return !platform::IsLetter(c); });
}

}  // namespace

std::u32string ToUtf32(const std::string& utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  for (std::string_view rest(utf8); !rest.empty();) {
    char32_t c = 0;
    const std::size_t length = platform::ReadUtf8(rest, &c);
    out.push_back(length == 0 ? U'\uFFFD' : c);
    rest.remove_prefix(length == 0 ? 1 : length);
  }
  return out;
}

std::string FromUtf32(const std::u32string& text) {
  std::string out;
  out.reserve(text.size());
  for (const char32_t c : text) {
    const bool valid = c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
    platform::AppendUtf8(valid ? c : U'\uFFFD', out);
  }
  return out;
}

std::string AffixRules::ToUtf8(const std::string& text) const {
  if (encoding_ == "UTF-8") return text;
  return platform::ConvertEncoding("UTF-8", encoding_, text).value_or(std::string());
}

std::vector<std::uint32_t> AffixRules::ParseFlags(const std::string& text) const {
  std::vector<std::uint32_t> flags;
  if (!aliases_.empty() && !text.empty() &&
      std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    const std::size_t alias = std::stoul(text);
    if (alias >= 1 && alias <= aliases_.size()) return aliases_[alias - 1];
  }
  switch (flagKind_) {
    case FlagKind::kByte:
      for (const char c : text) flags.push_back(static_cast<unsigned char>(c));
      break;
    case FlagKind::kLong:
      for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        flags.push_back((static_cast<unsigned char>(text[i]) << 8) |
                        static_cast<unsigned char>(text[i + 1]));
      }
      break;
    case FlagKind::kNumber: {
      std::istringstream in(text);
      for (std::string number; std::getline(in, number, ',');) {
        if (!number.empty() && std::isdigit(static_cast<unsigned char>(number[0])))
          flags.push_back(static_cast<std::uint32_t>(std::stoul(number)));
      }
      break;
    }
    case FlagKind::kUtf8:
      for (const char32_t c : ToUtf32(text)) flags.push_back(c);
      break;
  }
  return flags;
}

bool AffixRules::Load(const std::filesystem::path& base, std::string* error) {
  std::ifstream aff(base.string() + ".aff", std::ios::binary);
  if (!aff) {
    *error = "cannot read " + base.string() + ".aff";
    return false;
  }
  std::map<std::pair<bool, std::uint32_t>, bool> crossProduct;
  std::deque<std::u32string> parsed;
  std::deque<Flags> parsedFlags;
  std::string line;
  while (std::getline(aff, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::vector<std::string> f = Fields(line);
    if (f.empty()) continue;
    const std::string& key = f[0];
    if (key == "SET" && f.size() > 1) {
      encoding_ = f[1];
    } else if (key == "FLAG" && f.size() > 1) {
      flagKind_ = f[1] == "long"    ? FlagKind::kLong
                  : f[1] == "num"   ? FlagKind::kNumber
                  : f[1] == "UTF-8" ? FlagKind::kUtf8
                                    : FlagKind::kByte;
    } else if (key == "AF" && f.size() > 1 && !std::isdigit(static_cast<unsigned char>(f[1][0]))) {
      aliases_.push_back(ParseFlags(f[1]));
    } else if (key == "COMPOUNDRULE" && f.size() > 1 &&
               !std::isdigit(static_cast<unsigned char>(f[1][0]))) {
      std::string flags;
      for (const char c : f[1]) {
        if (c != '*' && c != '?' && c != '(' && c != ')') flags.push_back(c);
      }
      for (const std::uint32_t flag : ParseFlags(flags)) compoundRuleFlags_.push_back(flag);
    } else if (key == "COMPOUNDFLAG" || key == "COMPOUNDBEGIN" || key == "COMPOUNDMIDDLE" ||
               key == "COMPOUNDLAST" || key == "COMPOUNDEND" || key == "IGNORE" ||
               key == "CIRCUMFIX" || key == "COMPLEXPREFIXES") {
      complete_ = false;
    } else if ((key == "PFX" || key == "SFX") && f.size() >= 4) {
      const bool prefix = key == "PFX";
      const std::vector<std::uint32_t> flag = ParseFlags(f[1]);
      if (flag.size() != 1) continue;
      auto& table = prefix ? prefixes_ : suffixes_;
      if (f.size() == 4 && (f[2] == "Y" || f[2] == "N") &&
          std::all_of(f[3].begin(), f[3].end(), [](char c) { return c >= '0' && c <= '9'; })) {
        // The header: its cross-product mark holds for the block's rules, below it or not.
        crossProduct[{prefix, flag[0]}] = f[2] == "Y";
        continue;
      }
      // Until Compact, the rule's letters and flags are held by the parsed deques.
      Affix affix;
      affix.flag = flag[0];
      affix.strip = parsed.emplace_back(f[2] == "0" ? std::u32string() : ToUtf32(ToUtf8(f[2])));
      std::string add = f[3];
      if (const std::size_t slash = add.find('/'); slash != std::string::npos) {
        affix.continuation = parsedFlags.emplace_back(ParseFlags(add.substr(slash + 1)));
        add.resize(slash);
      }
      affix.add = parsed.emplace_back(add == "0" ? std::u32string() : ToUtf32(ToUtf8(add)));
      affix.condition = parsed.emplace_back(
          ParseCondition(f.size() > 4 ? ToUtf32(ToUtf8(f[4])) : U".", &affix.conditionLength));
      table[flag[0]].push_back(affix);
    }
  }
  for (const auto& [kind, cross] : crossProduct) {
    for (Affix& affix : (kind.first ? prefixes_ : suffixes_)[kind.second]) affix.cross = cross;
  }
  Compact();
  Index();
  return true;
}

void AffixRules::Keep(const std::vector<Flags>& rootFlags) {
  // A rule whose flag no root has and no kept rule brings can be in no chain that leads to a
  // root: leaving it out changes no RootOf.
  std::set<std::uint32_t> kept;
  for (const Flags& flags : rootFlags) kept.insert(flags.begin(), flags.end());
  for (std::size_t size = 0; size != kept.size();) {
    size = kept.size();
    for (auto* table : {&suffixes_, &prefixes_}) {
      for (const auto& [flag, affixes] : *table) {
        if (kept.count(flag) == 0) continue;
        for (const Affix& affix : affixes)
          kept.insert(affix.continuation.begin(), affix.continuation.end());
      }
    }
  }
  for (auto* table : {&suffixes_, &prefixes_}) {
    for (auto at = table->begin(); at != table->end();)
      at = kept.count(at->first) == 0 ? table->erase(at) : std::next(at);
  }
  Compact();
  Index();
}

void AffixRules::Compact() {
  std::size_t letterCount = 0, flagCount = 0;
  for (auto* table : {&suffixes_, &prefixes_}) {
    for (auto& [flag, affixes] : *table) {
      affixes.shrink_to_fit();
      for (const Affix& affix : affixes) {
        letterCount += affix.strip.size() + affix.add.size() + affix.condition.size();
        flagCount += affix.continuation.size();
      }
    }
  }
  // Reserved whole, the pools never move while the views into them are made.
  std::vector<char32_t> letters;
  letters.reserve(letterCount);
  std::vector<std::uint32_t> flags;
  flags.reserve(flagCount);
  const auto pooled = [&letters](std::u32string_view text) {
    const std::size_t at = letters.size();
    letters.insert(letters.end(), text.begin(), text.end());
    return std::u32string_view(letters.data() + at, text.size());
  };
  for (auto* table : {&suffixes_, &prefixes_}) {
    for (auto& [flag, affixes] : *table) {
      for (Affix& affix : affixes) {
        affix.strip = pooled(affix.strip);
        affix.add = pooled(affix.add);
        affix.condition = pooled(affix.condition);
        const std::size_t at = flags.size();
        flags.insert(flags.end(), affix.continuation.begin(), affix.continuation.end());
        affix.continuation =
            std::span<const std::uint32_t>(flags.data() + at, affix.continuation.size());
      }
    }
  }
  // Moving a vector keeps its elements where they are.
  letters_ = std::move(letters);
  flags_ = std::move(flags);
}

void AffixRules::Index() {
  suffixesByAdd_.clear();
  prefixesByAdd_.clear();
  afterSuffix_.clear();
  afterPrefix_.clear();
  for (auto* table : {&suffixes_, &prefixes_}) {
    auto& byAdd = table == &suffixes_ ? suffixesByAdd_ : prefixesByAdd_;
    for (const auto& [flag, affixes] : *table) {
      for (const Affix& affix : affixes) {
        byAdd[affix.add].push_back(&affix);
        std::size_t& longest = table == &suffixes_ ? longestSuffix_ : longestPrefix_;
        longest = std::max(longest, affix.add.size());
        Flags& continued = table == &suffixes_ ? afterSuffix_ : afterPrefix_;
        continued.insert(continued.end(), affix.continuation.begin(), affix.continuation.end());
      }
    }
  }
  for (Flags* continued : {&afterSuffix_, &afterPrefix_}) {
    std::sort(continued->begin(), continued->end());
    continued->erase(std::unique(continued->begin(), continued->end()), continued->end());
  }
}

bool AffixRules::LoadRoots(const std::filesystem::path& base, std::string* error) {
  std::ifstream dic(base.string() + ".dic", std::ios::binary);
  if (!dic) {
    *error = "cannot read " + base.string() + ".dic";
    return false;
  }
  std::string line;
  bool first = true;
  while (std::getline(dic, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (first) {  // the word count
      first = false;
      continue;
    }
    if (line.empty()) continue;
    std::string word;
    std::string flags;
    std::size_t i = 0;
    for (; i < line.size() && line[i] != '\t' && line[i] != ' '; ++i) {
      if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == '/') {
        word.push_back('/');
        ++i;
      } else if (line[i] == '/') {
        std::size_t end = line.find_first_of(" \t", i + 1);
        flags = line.substr(i + 1, end == std::string::npos ? end : end - i - 1);
        break;
      } else {
        word.push_back(line[i]);
      }
    }
    const std::string utf8 = ToUtf8(word);
    Root root{ToUtf32(utf8), ParseFlags(flags)};
    if (root.word.empty()) continue;
    // Compounds made by rules are complete only while every part holds a non-letter (en_US
    // builds ordinals of digits).
    if (complete_ && !compoundRuleFlags_.empty() && !HasNonLetter(utf8) &&
        std::any_of(root.flags.begin(), root.flags.end(), [&](std::uint32_t flag) {
          return std::find(compoundRuleFlags_.begin(), compoundRuleFlags_.end(), flag) !=
                 compoundRuleFlags_.end();
        })) {
      complete_ = false;
    }
    roots_.push_back(std::move(root));
  }
  return true;
}

std::u32string AffixRules::ParseCondition(const std::u32string& text, std::uint16_t* length) {
  std::u32string condition;
  *length = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == U'.') {
      condition.push_back(kAny);
    } else if (text[i] == U'[') {
      std::size_t end = text.find(U']', i);
      if (end == std::u32string::npos) end = text.size();
      std::size_t from = i + 1;
      const bool negated = from < end && text[from] == U'^';
      if (negated) ++from;
      condition.push_back(negated ? kNotIn : kIn);
      condition.push_back(static_cast<char32_t>(end - from));
      condition.append(text, from, end - from);
      i = end;
    } else {
      condition.push_back(text[i]);
    }
    ++*length;
  }
  return condition;
}

template <typename At>
bool AffixRules::Meets(const Affix& affix, const At& at) {
  const std::u32string_view condition = affix.condition;
  for (std::size_t i = 0, j = 0; i < affix.conditionLength; ++i) {
    const char32_t element = condition[j++];
    if (element == kAny) continue;
    if (element != kIn && element != kNotIn) {
      if (at(i) != element) return false;
      continue;
    }
    const std::size_t count = condition[j++];
    const char32_t letter = at(i);
    bool in = false;
    for (std::size_t k = 0; k < count; ++k) in = in || condition[j + k] == letter;
    j += count;
    if (in != (element == kIn)) return false;
  }
  return true;
}

bool AffixRules::Applies(const Affix& affix, const std::u32string& word, bool prefix) const {
  if (word.size() < affix.strip.size() || word.size() < affix.conditionLength) return false;
  if (prefix
          ? word.compare(0, affix.strip.size(), affix.strip) != 0
          : word.compare(word.size() - affix.strip.size(), affix.strip.size(), affix.strip) != 0) {
    return false;
  }
  const std::size_t from = prefix ? 0 : word.size() - affix.conditionLength;
  return Meets(affix, [&](std::size_t i) { return word[from + i]; });
}

std::u32string AffixRules::Apply(const Affix& affix, const std::u32string& word, bool prefix) {
  std::u32string applied;
  if (prefix) {
    applied.reserve(affix.add.size() + word.size() - affix.strip.size());
    applied += affix.add;
    applied.append(word, affix.strip.size());
  } else {
    applied.assign(word, 0, word.size() - affix.strip.size());
    applied += affix.add;
  }
  return applied;
}

std::vector<std::u32string> AffixRules::Forms(const Root& root) const {
  const std::u32string& word = root.word;
  // Gathered with their repeats and made unique once: a hash set per root costs more than the
  // few dozen forms a root makes.
  std::vector<std::u32string> forms{word};
  const auto rulesOf = [](const auto& table, std::uint32_t flag) -> const std::vector<Affix>* {
    const auto found = table.find(flag);
    return found == table.end() ? nullptr : &found->second;
  };
  // Prefixes over a word made so far, where the cross product allows.
  const auto prefixed = [&](const std::u32string& base, const Flags& flags, bool needCross) {
    for (const std::uint32_t flag : flags) {
      const auto* rules = rulesOf(prefixes_, flag);
      if (rules == nullptr) continue;
      for (const Affix& p : *rules) {
        if ((needCross && !p.cross) || !Applies(p, base, true)) continue;
        forms.push_back(Apply(p, base, true));
      }
    }
  };
  for (const std::uint32_t flag : root.flags) {
    const auto* rules = rulesOf(suffixes_, flag);
    if (rules == nullptr) continue;
    for (const Affix& s : *rules) {
      if (!Applies(s, word, false)) continue;
      const std::u32string once = Apply(s, word, false);
      forms.push_back(once);
      Flags prefixFlags = root.flags;
      prefixFlags.insert(prefixFlags.end(), s.continuation.begin(), s.continuation.end());
      for (const std::uint32_t next : s.continuation) {
        const auto* second = rulesOf(suffixes_, next);
        if (second == nullptr) continue;
        for (const Affix& s2 : *second) {
          if (!Applies(s2, once, false)) continue;
          const std::u32string twice = Apply(s2, once, false);
          forms.push_back(twice);
          if (s.cross) prefixed(twice, prefixFlags, true);
        }
      }
      if (s.cross) prefixed(once, prefixFlags, true);
    }
  }
  prefixed(word, root.flags, false);
  // Suffixes a prefix brings with it.
  for (const std::uint32_t flag : root.flags) {
    const auto* rules = rulesOf(prefixes_, flag);
    if (rules == nullptr) continue;
    for (const Affix& p : *rules) {
      if (!Applies(p, word, true)) continue;
      const std::u32string withPrefix = Apply(p, word, true);
      for (const std::uint32_t next : p.continuation) {
        const auto* suffixRules = rulesOf(suffixes_, next);
        if (suffixRules == nullptr) continue;
        for (const Affix& s : *suffixRules) {
          if (Applies(s, withPrefix, false)) forms.push_back(Apply(s, withPrefix, false));
        }
      }
    }
  }
  std::sort(forms.begin(), forms.end());
  forms.erase(std::unique(forms.begin(), forms.end()), forms.end());
  return forms;
}

bool AffixRules::Holds(const Affix& affix, std::u32string_view text, std::size_t kept,
                       bool prefix) const {
  // The word the rule would have been added to: the kept letters of the text with the stripped
  // ones given back, read without being made.
  const std::size_t size = kept + affix.strip.size();
  if (size < affix.conditionLength) return false;
  const auto at = [&](std::size_t i) {
    if (prefix) return i < affix.strip.size() ? affix.strip[i] : text[text.size() - size + i];
    return i < kept ? text[i] : affix.strip[i - kept];
  };
  const std::size_t from = prefix ? 0 : size - affix.conditionLength;
  return Meets(affix, [&](std::size_t i) { return at(from + i); });
}

template <typename Visit>
bool AffixRules::Unsuffix(const std::u32string& text, const Visit& visit) const {
  const std::u32string_view view(text);
  std::u32string base;
  for (std::size_t added = 0; added <= std::min(text.size(), longestSuffix_); ++added) {
    const auto found = suffixesByAdd_.find(view.substr(text.size() - added));
    if (found == suffixesByAdd_.end()) continue;
    const std::size_t kept = text.size() - added;
    for (const Affix* s : found->second) {
      if (!Holds(*s, view, kept, false)) continue;
      // Made in place: one buffer serves every rule of the word.
      base.assign(view.substr(0, kept));
      base += s->strip;
      if (visit(*s, base)) return true;
    }
  }
  return false;
}

template <typename Visit>
bool AffixRules::Unprefix(const std::u32string& text, const Visit& visit) const {
  const std::u32string_view view(text);
  std::u32string base;
  for (std::size_t added = 0; added <= std::min(text.size(), longestPrefix_); ++added) {
    const auto found = prefixesByAdd_.find(view.substr(0, added));
    if (found == prefixesByAdd_.end()) continue;
    for (const Affix* p : found->second) {
      if (!Holds(*p, view, text.size() - added, true)) continue;
      base.assign(p->strip);
      base += view.substr(added);
      if (visit(*p, base)) return true;
    }
  }
  return false;
}

// Each way Forms makes a word, undone: the rules must apply to what they were added to, as Forms
// asks, and the root must carry the flags Forms would have followed. The first root found wins.
std::optional<std::u32string> AffixRules::RootOf(const std::u32string& word,
                                                 const FlagsOf& flagsOf) const {
  std::optional<std::u32string> root;
  const auto has = [](std::span<const std::uint32_t> flags, std::uint32_t flag) {
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
  };
  // Rules that add and strip the same letters offer the same candidate one after another.
  std::u32string asked;
  const Flags* askedFlags = nullptr;
  const auto offer = [&](const std::u32string& candidate, const auto& accepts) {
    if (candidate.empty() || candidate == word) return false;
    if (candidate != asked) {
      asked = candidate;
      askedFlags = flagsOf(candidate);
    }
    const Flags* flags = askedFlags;
    if (flags == nullptr || !accepts(*flags)) return false;
    root = candidate;
    return true;
  };
  const bool found = Unsuffix(word, [&](const Affix& s, const std::u32string& base) {
    return offer(base, [&](const Flags& flags) { return has(flags, s.flag); }) ||
           // A second suffix, over the first.
           (has(afterSuffix_, s.flag) &&
            Unsuffix(base,
                     [&](const Affix& first, const std::u32string& under) {
                       return has(first.continuation, s.flag) &&
                              offer(under,
                                    [&](const Flags& flags) { return has(flags, first.flag); });
                     })) ||
           // A suffix a prefix brought.
           (has(afterPrefix_, s.flag) &&
            Unprefix(base, [&](const Affix& p, const std::u32string& under) {
              return has(p.continuation, s.flag) &&
                     offer(under, [&](const Flags& flags) { return has(flags, p.flag); });
            }));
  });
  if (found) return root;
  Unprefix(word, [&](const Affix& p, const std::u32string& inner) {
    if (offer(inner, [&](const Flags& flags) { return has(flags, p.flag); })) return true;
    if (!p.cross) return false;
    // Over a suffix, or over two, where the first allows the cross product; the prefix's flag is
    // the root's or comes with the first suffix.
    const auto allowed = [&](const Affix& first, const Flags& flags) {
      return has(flags, first.flag) && (has(flags, p.flag) || has(first.continuation, p.flag));
    };
    return Unsuffix(inner, [&](const Affix& s, const std::u32string& base) {
      return (s.cross && offer(base, [&](const Flags& flags) { return allowed(s, flags); })) ||
             (has(afterSuffix_, s.flag) &&
              Unsuffix(base, [&](const Affix& first, const std::u32string& under) {
                return first.cross && has(first.continuation, s.flag) &&
                       offer(under, [&](const Flags& flags) { return allowed(first, flags); });
              }));
    });
  });
  return root;
}

}  // namespace vokabi
