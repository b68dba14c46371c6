#include "app/companion_forms.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>
#include <unordered_set>

#include "app/affix_rules.h"
#include "app/base_forms.h"
#include "app/charset_letters.h"
#include "app/error_class.h"
#include "app/lookup_help.h"
#include "app/system_case_map.h"
#include "engine/make_crypto.h"

namespace vokabi {
namespace {

namespace fs = std::filesystem;
using Roots = std::map<std::u32string, AffixRules::Flags>;

// A worker's own copy of the base: Translate keeps the state of its last lookup.
class BaseCopy {
 public:
  explicit BaseCopy(const fs::path& base)
      : crypto_(errors_),
        dictionary_(crypto_, errors_, base.has_parent_path() ? base.parent_path() : ".",
                    SystemCaseMap) {
    loaded_ = dictionary_.Initialize(base.filename().string());
  }
  Dictionary* Get() { return loaded_ ? &dictionary_ : nullptr; }

 private:
  ErrorClass errors_;
  MakeCrypto crypto_;
  Dictionary dictionary_;
  bool loaded_ = false;
};

// Whether Translate finds a word, each asked once.
class Finds {
 public:
  explicit Finds(Dictionary& dictionary) : dictionary_(dictionary) {}
  bool operator()(const std::string& bytes) {
    const auto known = known_.find(bytes);
    if (known != known_.end()) return known->second;
    return known_[bytes] = dictionary_.Translate(bytes);
  }

 private:
  Dictionary& dictionary_;
  std::unordered_map<std::string, bool> known_;
};

// The roots hashed into a few bits each: RootOf asks about many more words than are roots, and
// this answers most of them from the cache, where the hash table would not.
class RootFilter {
 public:
  explicit RootFilter(std::size_t roots) : bits_(std::bit_ceil(std::max<std::size_t>(roots, 64))) {}
  void Add(std::u32string_view word) {
    const std::size_t hash = std::hash<std::u32string_view>()(word);
    Set(hash);
    Set(hash >> 32);
  }
  bool MayHold(std::u32string_view word) const {
    const std::size_t hash = std::hash<std::u32string_view>()(word);
    return Has(hash) && Has(hash >> 32);
  }

 private:
  // Sixteen bits a root keeps false answers to about one in a hundred.
  std::size_t Bit(std::size_t hash) const { return hash & (bits_.size() * 16 - 1); }
  void Set(std::size_t hash) {
    bits_[Bit(hash) / 16] |= static_cast<std::uint16_t>(1u << (Bit(hash) % 16));
  }
  bool Has(std::size_t hash) const { return (bits_[Bit(hash) / 16] >> (Bit(hash) % 16)) & 1u; }

  std::vector<std::uint16_t> bits_;
};

// What the workers share, read only.
struct Shared {
  const AffixRules& affixes;
  const Roots& roots;
  // The same roots hashed, for the many lookups of RootOf.
  const std::unordered_map<std::u32string, const AffixRules::Flags*>& flagsByRoot;
  const RootFilter& rootFilter;
  const CharsetLetters& letters;
  const CaseMap& rules;
  int side;
  bool bothSides;
  std::string language;
};

// What a worker found among its share of the roots.
struct Verdicts {
  std::map<std::string, std::string> exceptions;  // missed word → Hunspell's form, or empty
  std::unordered_set<std::string> led;            // missed words with a form
};

void Verify(const Shared& shared, Dictionary& dictionary, BaseForms& forms, std::size_t worker,
            std::size_t workers, Verdicts* verdicts) {
  Finds found(dictionary);
  const AffixRules::FlagsOf flagsOf =
      [&shared](const std::u32string& root) -> const AffixRules::Flags* {
    if (!shared.rootFilter.MayHold(root)) return nullptr;
    const auto at = shared.flagsByRoot.find(root);
    return at == shared.flagsByRoot.end() ? nullptr : at->second;
  };
  // Each form is asked once; only the stems, which many forms share, are worth remembering.
  std::unordered_set<std::string> asked;
  std::size_t index = 0;
  for (const auto& [word, flags] : shared.roots) {
    if (index++ % workers != worker) continue;
    for (const std::u32string& form : shared.affixes.Forms({word, flags})) {
      const std::optional<std::string> key = shared.letters.Encode(form);
      // Only what a miss asks: lower-case words of letters that Translate misses, guessed for
      // this side or for either where both write alike.
      if (!key || key->empty() || !companion::LowerCaseLetters(*key, shared.rules) ||
          (dictionary.GuessSide(*key) != shared.side && !shared.bothSides) ||
          !asked.insert(*key).second || dictionary.Translate(*key)) {
        continue;
      }
      const std::optional<std::u32string> led = shared.affixes.RootOf(form, flagsOf);
      const std::string byRules = led ? *shared.letters.Encode(*led) : std::string();
      std::string byHunspell;
      std::vector<std::string> stems =
          forms.Of(shared.language, FromUtf32(shared.letters.Decode(*key)));
      if (stems.size() > kMostBaseForms) stems.resize(kMostBaseForms);
      for (const std::string& stem : stems) {
        const std::optional<std::string> bytes = shared.letters.Encode(ToUtf32(stem));
        if (bytes && !bytes->empty() && found(*bytes)) {
          byHunspell = *bytes;
          break;
        }
      }
      if (!byHunspell.empty()) verdicts->led.insert(*key);
      if (byHunspell != byRules) verdicts->exceptions.emplace(*key, std::move(byHunspell));
    }
  }
}

}  // namespace

FormTables WriteFormTables(const fs::path& base, Dictionary& dictionary, int side,
                           const std::vector<fs::path>& folders, companion::SideParts* parts) {
  FormTables tables;
  parts->language = SideLanguage(dictionary.ID(), side);
  parts->cover = companion::FormsCover::kNoDictionary;
  const std::optional<fs::path> speller = FindSpeller(folders, parts->language);
  if (!speller) return tables;
  const std::optional<companion::SpellerFiles> files = companion::SpellerFilesOf(*speller);
  AffixRules affixes;
  std::string ignored;
  if (!files || !affixes.Load(*speller, &ignored) || !affixes.LoadRoots(*speller, &ignored)) {
    // Found but unreadable now: empty tables vouch for nothing, so the program asks Hunspell.
    parts->cover = companion::FormsCover::kListedOnly;
    parts->speller = files.value_or(companion::SpellerFiles{});
    return tables;
  }
  parts->speller = *files;
  parts->cover =
      affixes.Complete() ? companion::FormsCover::kComplete : companion::FormsCover::kListedOnly;
  const CharsetLetters letters(side == 1 ? dictionary.Charset1() : dictionary.Charset2());

  // The roots Translate finds, each once with the flags of all its lines.
  Roots roots;
  Finds found(dictionary);
  for (const AffixRules::Root& root : affixes.Roots()) {
    const std::optional<std::string> bytes = letters.Encode(root.word);
    if (!bytes || bytes->empty() || !found(*bytes)) continue;
    AffixRules::Flags& flags = roots[root.word];
    flags.insert(flags.end(), root.flags.begin(), root.flags.end());
    std::sort(flags.begin(), flags.end());
    flags.erase(std::unique(flags.begin(), flags.end()), flags.end());
  }
  // Roots share a few hundred sets of flags: each set is written once, under the empty key.
  std::map<AffixRules::Flags, std::size_t> sets;
  for (const auto& [word, flags] : roots) {
    const std::size_t number = sets.emplace(flags, sets.size()).first->second;
    std::string value;
    companion::PutVarint(value, number);
    tables.roots.Add(*letters.Encode(word), std::move(value));
  }
  std::vector<const AffixRules::Flags*> byNumber(sets.size());
  for (const auto& [flags, number] : sets) byNumber[number] = &flags;
  std::string setsValue;
  companion::PutVarint(setsValue, byNumber.size());
  for (const AffixRules::Flags* flags : byNumber) {
    companion::PutVarint(setsValue, flags->size());
    for (const std::uint32_t flag : *flags) companion::PutVarint(setsValue, flag);
  }
  tables.roots.Add(std::string(), std::move(setsValue));

  std::unordered_map<std::u32string, const AffixRules::Flags*> flagsByRoot;
  flagsByRoot.reserve(roots.size());
  RootFilter rootFilter(roots.size());
  for (const auto& [word, flags] : roots) {
    flagsByRoot.emplace(word, &flags);
    rootFilter.Add(word);
  }
  const Shared shared{affixes,        roots,
                      flagsByRoot,    rootFilter,
                      letters,        dictionary.CaseRules(side),
                      side,           dictionary.Charset1() == dictionary.Charset2(),
                      parts->language};
  const std::size_t workers = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 4);
  // Each worker's Hunspell is read here, one after the other, so that no read competes with
  // another for its time limit. A dictionary that did not read would make every answer "none":
  // then the side's forms vouch for nothing and a miss asks Hunspell itself.
  std::vector<std::unique_ptr<BaseForms>> spellers;
  for (std::size_t worker = 0; worker < workers; ++worker) {
    spellers.push_back(std::make_unique<BaseForms>(folders));
    if (!spellers.back()->Knows(parts->language)) {
      parts->cover = companion::FormsCover::kListedOnly;
      FormTables none;
      std::string noSets;
      companion::PutVarint(noSets, 0);
      none.roots.Add(std::string(), std::move(noSets));
      return none;
    }
  }
  std::vector<Verdicts> verdicts(workers);
  std::vector<std::unique_ptr<BaseCopy>> copies;
  std::vector<std::thread> threads;
  for (std::size_t worker = 1; worker < workers; ++worker) {
    copies.push_back(std::make_unique<BaseCopy>(base));
    Dictionary* copy = copies.back()->Get();
    if (copy == nullptr) continue;
    BaseForms* forms = spellers[worker].get();
    threads.emplace_back([&shared, copy, forms, worker, workers, &verdicts] {
      Verify(shared, *copy, *forms, worker, workers, &verdicts[worker]);
    });
  }
  Verify(shared, dictionary, *spellers[0], 0, workers, &verdicts[0]);
  for (std::thread& thread : threads) thread.join();
  if (threads.size() + 1 < workers) {
    // A copy of the base failed to load: its share is done here.
    for (std::size_t worker = 1; worker < workers; ++worker) {
      if (copies[worker - 1]->Get() == nullptr)
        Verify(shared, dictionary, *spellers[0], worker, workers, &verdicts[worker]);
    }
  }

  // A word made by roots of two shares was asked twice, with the same answer.
  std::map<std::string, std::string> exceptions;
  std::unordered_set<std::string> led;
  for (Verdicts& verdict : verdicts) {
    exceptions.merge(verdict.exceptions);
    led.merge(verdict.led);
  }
  tables.forms = led.size();
  for (const auto& [missed, form] : exceptions) {
    std::string value;
    companion::PutVarint(value, form.empty() ? 0 : form.size() + 1);
    value += form;
    tables.exceptions.Add(missed, std::move(value));
  }
  return tables;
}

}  // namespace vokabi
