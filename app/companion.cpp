#include "app/companion.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <utility>

#include "app/base_forms.h"
#include "app/near_misses.h"

namespace vokabi {
namespace {

using companion::FormsCover;

std::string Folded(std::string_view word, const std::array<unsigned char, 256>& table) {
  std::string folded(word);
  for (char& c : folded) c = static_cast<char>(table[static_cast<unsigned char>(c)]);
  return folded;
}

}  // namespace

std::unique_ptr<Companion> Companion::Open(const Dictionary& dictionary,
                                           const std::filesystem::path& basePath,
                                           std::vector<std::filesystem::path> spellingFolders) {
  if (!dictionary.Initi()) return nullptr;
  std::optional<platform::MappedFile> file =
      platform::MappedFile::Open(companion::CompanionPath(basePath));
  if (!file) return nullptr;
  const std::optional<companion::Header> header = companion::DecodeHeader(file->Bytes());
  if (!header) return nullptr;
  if (header->caseHash != companion::CaseHash(dictionary.CaseRules(1), dictionary.CaseRules(2))) {
    return nullptr;
  }
  const std::optional<companion::BaseIdentity> base = companion::IdentifyBase(basePath);
  if (!base || base->size != header->baseSize || base->hash != header->baseHash) return nullptr;
  return std::unique_ptr<Companion>(
      new Companion(std::move(*file), *header, dictionary, std::move(spellingFolders)));
}

Companion::Companion(platform::MappedFile file, companion::Header header,
                     const Dictionary& dictionary, std::vector<std::filesystem::path> folders)
    : file_(std::move(file)),
      header_(std::move(header)),
      rules_{dictionary.CaseRules(1), dictionary.CaseRules(2)},
      folders_(std::move(folders)),
      charsets_{dictionary.Charset1(), dictionary.Charset2()} {}

const CharsetLetters& Companion::Letters(int side) {
  std::optional<CharsetLetters>& letters = letters_[side - 1];
  if (!letters) letters.emplace(charsets_[side - 1]);
  return *letters;
}

bool Companion::Holds(int side, std::string_view word) {
  const companion::SortedFind found = companion::FindSorted(
      file_.Bytes(), header_.sides[side - 1].headwords, Folded(word, rules_[side - 1].upper));
  if (found.damaged) damaged_ = true;
  return found.found;
}

bool Companion::BlockChecked(int side, const companion::HeadwordNumbers& numbers,
                             std::uint32_t number) {
  std::vector<bool>& checked = blocksChecked_[side - 1];
  const std::uint32_t block = number / companion::kStringBlock;
  if (checked.empty()) checked.resize(numbers.Count() / companion::kStringBlock + 1);
  if (!checked[block]) {
    if (!numbers.BlockIntact(block)) {
      damaged_ = true;
      return false;
    }
    checked[block] = true;
  }
  return true;
}

bool Companion::CertainlyMissing(std::string_view word) {
  // As Translate looks: the word as typed, then without non-letters at its ends.
  std::string current(word);
  for (;;) {
    if (damaged_ || current.empty()) return false;
    for (const int side : {1, 2}) {
      if (Holds(side, current) || damaged_) return false;
    }
    std::string trimmed = TrimNonLetters(current);
    if (trimmed == current) return true;
    current = std::move(trimmed);
  }
}

void Companion::LookupEnded() {
  // A miss reads pages scattered over the whole file, and the system maps their neighbours
  // with them: kept, they add up to most of the file after a few dozen misses. The few pages of
  // the headword tables that every lookup reads are mapped again by the next.
  if (missRead_ && !keepPages_) file_.Release();
  missRead_ = false;
}

bool Companion::SpellerMatches(int side) {
  std::optional<bool>& known = spellerMatches_[side - 1];
  if (!known) {
    const companion::SideParts& parts = header_.sides[side - 1];
    const std::optional<std::filesystem::path> speller = FindSpeller(folders_, parts.language);
    if (parts.cover == FormsCover::kNoDictionary) {
      known = !speller.has_value();
    } else {
      const std::optional<companion::SpellerFiles> files =
          speller ? companion::SpellerFilesOf(*speller) : std::nullopt;
      known = files && *files == parts.speller;
    }
  }
  return *known;
}

const AffixRules* Companion::Affixes(int side) {
  if (!affixesTried_[side - 1]) {
    affixesTried_[side - 1] = true;
    const std::optional<std::filesystem::path> speller =
        FindSpeller(folders_, header_.sides[side - 1].language);
    auto rules = std::make_unique<AffixRules>();
    std::string ignored;
    if (speller && ReadFlagSets(side) && rules->Load(*speller, &ignored)) {
      rules->Keep(*flagSets_[side - 1]);
      affixes_[side - 1] = std::move(rules);
    }
  }
  return affixes_[side - 1].get();
}

bool Companion::ReadFlagSets(int side) {
  std::optional<std::vector<AffixRules::Flags>>& sets = flagSets_[side - 1];
  if (sets) return true;
  const companion::SortedFind found =
      companion::FindSorted(file_.Bytes(), header_.sides[side - 1].roots, std::string_view());
  std::string_view in = found.value;
  std::uint64_t count = 0;
  if (found.damaged || !found.found || !companion::TakeVarint(in, &count) || count > in.size()) {
    damaged_ = true;
    return false;
  }
  std::vector<AffixRules::Flags> read(count);
  for (AffixRules::Flags& flags : read) {
    std::uint64_t size = 0, flag = 0;
    if (!companion::TakeVarint(in, &size) || size > in.size()) {
      damaged_ = true;
      return false;
    }
    for (; size > 0; --size) {
      if (!companion::TakeVarint(in, &flag)) {
        damaged_ = true;
        return false;
      }
      flags.push_back(static_cast<std::uint32_t>(flag));
    }
  }
  sets = std::move(read);
  return true;
}

const AffixRules::Flags* Companion::RootFlags(int side, const std::u32string& root) {
  const std::optional<std::string> key = Letters(side).Encode(root);
  if (!key || key->empty() || damaged_ || !ReadFlagSets(side)) return nullptr;
  const companion::SortedFind found =
      companion::FindSorted(file_.Bytes(), header_.sides[side - 1].roots, *key);
  if (found.damaged) damaged_ = true;
  if (!found.found) return nullptr;
  std::string_view in = found.value;
  std::uint64_t number = 0;
  if (!companion::TakeVarint(in, &number) || number >= flagSets_[side - 1]->size()) {
    damaged_ = true;
    return nullptr;
  }
  return &(*flagSets_[side - 1])[number];
}

FormLookup::Known Companion::FormOf(int side, std::string_view missed, std::string* form) {
  if (damaged_ || (side != 1 && side != 2) || !SpellerMatches(side)) return Known::kUnknown;
  missRead_ = true;
  const companion::SideParts& parts = header_.sides[side - 1];
  if (parts.cover == FormsCover::kNoDictionary) return Known::kNone;
  // Where Hunspell answers otherwise than the roots lead, its answer was written down.
  const companion::SortedFind exception =
      companion::FindSorted(file_.Bytes(), parts.exceptions, missed);
  if (exception.damaged) {
    damaged_ = true;
    return Known::kUnknown;
  }
  if (exception.found) {
    std::string_view value = exception.value;
    std::uint64_t length = 0;
    std::string_view bytes;
    if (!companion::TakeVarint(value, &length) ||
        (length > 0 && !companion::TakeBytes(value, length - 1, &bytes))) {
      damaged_ = true;
      return Known::kUnknown;
    }
    if (length == 0) return Known::kNone;
    form->assign(bytes);
    return Known::kForm;
  }
  if (!companion::LowerCaseLetters(missed, rules_[side - 1])) return Known::kUnknown;
  const AffixRules* affixes = Affixes(side);
  if (affixes == nullptr) return Known::kUnknown;
  const std::optional<std::u32string> root =
      affixes->RootOf(Letters(side).Decode(missed),
                      [&](const std::u32string& candidate) { return RootFlags(side, candidate); });
  if (damaged_) return Known::kUnknown;
  if (root) {
    const std::optional<std::string> bytes = Letters(side).Encode(*root);
    if (!bytes) return Known::kUnknown;
    *form = *bytes;
    return Known::kForm;
  }
  return parts.cover == FormsCover::kComplete ? Known::kNone : Known::kUnknown;
}

const companion::HeadwordNumbers* Companion::Numbers(int side) {
  std::optional<companion::HeadwordNumbers>& numbers = numbers_[side - 1];
  if (!numbersRead_[side - 1]) {
    numbersRead_[side - 1] = true;
    const companion::SideParts& parts = header_.sides[side - 1];
    numbers =
        companion::HeadwordNumbers::Read(file_.Bytes().substr(parts.strings, parts.stringsSize));
    if (!numbers) damaged_ = true;
  }
  return numbers ? &*numbers : nullptr;
}

bool Companion::Candidates(int side, std::string_view missed, const CaseMap& rules,
                           std::vector<std::string_view>* headwords) {
  if (damaged_ || (side != 1 && side != 2) || missed.empty()) return false;
  // The variants and signatures were folded by the side's own rules.
  if (rules.lower != rules_[side - 1].lower) return false;
  missRead_ = true;
  const companion::HeadwordNumbers* numbers = Numbers(side);
  if (numbers == nullptr) return false;
  const companion::SideParts& parts = header_.sides[side - 1];
  const int reach = NearMissReach(missed.size());
  const std::string folded = Folded(missed, rules.lower);
  const std::uint64_t signature = companion::LetterSignature(folded);
  // Headwords farther in length alone NearMisses would pass over, and they are numbered by
  // length: only this range of numbers is looked at.
  const std::size_t shortest =
      missed.size() - std::min(missed.size(), static_cast<std::size_t>(reach));
  const std::uint32_t first = numbers->FirstOfLength(shortest);
  const std::uint32_t end = numbers->FirstOfLength(missed.size() + reach + 1);
  // The candidates as bits of the range: each once, in rising order, without sorting.
  seen_.assign((end - first + 63) / 64, 0);
  for (const std::string& variant : companion::DeletionVariants(folded, reach)) {
    const auto bucket = companion::ReadBucket(file_.Bytes(), parts.deletions, variant);
    if (!bucket) {
      damaged_ = true;
      return false;
    }
    std::string_view in = *bucket;
    std::uint64_t number = 0;
    // A bucket's numbers rise: those past the range end it.
    for (std::uint64_t gap = 0; !in.empty() && number < end;) {
      if (!companion::TakeVarint(in, &gap)) {
        damaged_ = true;
        return false;
      }
      number += gap;
      if (number >= first && number < end)
        seen_[(number - first) / 64] |= std::uint64_t{1} << ((number - first) % 64);
    }
  }
  const std::size_t had = headwords->size();
  const companion::SignatureGroups groups = companion::GroupsOf(rules.lower);
  std::size_t length = shortest;
  for (std::size_t word = 0; word < seen_.size(); ++word) {
    for (std::uint64_t bits = seen_[word]; bits != 0; bits &= bits - 1) {
      const auto number = static_cast<std::uint32_t>(first + word * 64 + std::countr_zero(bits));
      while (numbers->FirstOfLength(length + 1) <= number) ++length;
      if (!BlockChecked(side, *numbers, number)) {
        headwords->resize(had);
        return false;
      }
      // Words whose letters differ too much to be within reach are passed over here already.
      const std::string_view headword = numbers->Headword(number, length);
      if (companion::SignaturesWithin(companion::LetterSignature(headword, groups), signature,
                                      reach)) {
        headwords->push_back(headword);
      }
    }
  }
  return true;
}

bool Companion::PositionOf(int side, std::string_view headword, std::int32_t* position) {
  if (damaged_ || (side != 1 && side != 2) || headword.empty()) return false;
  const companion::SortedFind found = companion::FindSorted(
      file_.Bytes(), header_.sides[side - 1].headwords, Folded(headword, rules_[side - 1].upper));
  std::string_view value = found.value;
  std::uint64_t at = 0;
  if (found.damaged || (found.found && (!companion::TakeVarint(value, &at) || at == 0 ||
                                        at > std::numeric_limits<std::int32_t>::max()))) {
    damaged_ = true;
    return false;
  }
  *position = static_cast<std::int32_t>(at);
  return true;
}

}  // namespace vokabi
