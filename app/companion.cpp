#include "app/companion.h"

#include <algorithm>
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
      folders_(std::move(folders)) {}

bool Companion::Holds(int side, std::string_view word) {
  const companion::SortedFind found = companion::FindSorted(
      file_.Bytes(), header_.sides[side - 1].headwords, Folded(word, rules_[side - 1].upper));
  if (found.damaged) damaged_ = true;
  return found.found;
}

std::optional<std::string_view> Companion::StoredHeadword(int side, std::uint64_t offset) {
  const companion::SideParts& parts = header_.sides[side - 1];
  const std::string_view strings = file_.Bytes().substr(parts.strings, parts.stringsSize);
  std::string_view in = offset < strings.size() ? strings.substr(offset) : std::string_view();
  std::uint32_t length = 0, hash = 0;
  std::string_view headword;
  if (!companion::TakeU16(in, &length) || !companion::TakeU16(in, &hash) ||
      !companion::TakeBytes(in, length, &headword) ||
      hash != (companion::Hash(headword) & 0xFFFF)) {
    damaged_ = true;
    return std::nullopt;
  }
  return headword;
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

FormLookup::Known Companion::FormOf(int side, std::string_view missed, std::string* form) {
  if (damaged_ || (side != 1 && side != 2) || !SpellerMatches(side)) return Known::kUnknown;
  const companion::SideParts& parts = header_.sides[side - 1];
  if (parts.cover == FormsCover::kNoDictionary) return Known::kNone;
  const companion::SortedFind found = companion::FindSorted(file_.Bytes(), parts.forms, missed);
  if (found.damaged) {
    damaged_ = true;
    return Known::kUnknown;
  }
  if (found.found) {
    std::string_view value = found.value;
    std::uint64_t tag = 0;
    std::string_view bytes;
    if (!companion::TakeVarint(value, &tag)) {
      damaged_ = true;
      return Known::kUnknown;
    }
    if (tag % 2 == 0) {
      const std::optional<std::string_view> headword = StoredHeadword(side, tag / 2);
      if (!headword) return Known::kUnknown;
      bytes = *headword;
    } else if (!companion::TakeBytes(value, tag / 2, &bytes)) {
      damaged_ = true;
      return Known::kUnknown;
    }
    form->assign(bytes);
    return Known::kForm;
  }
  return parts.cover == FormsCover::kComplete &&
                 companion::LowerCaseLetters(missed, rules_[side - 1])
             ? Known::kNone
             : Known::kUnknown;
}

bool Companion::Candidates(int side, std::string_view missed, const CaseMap& rules,
                           std::vector<std::string_view>* headwords) {
  if (damaged_ || (side != 1 && side != 2) || missed.empty()) return false;
  const companion::SideParts& parts = header_.sides[side - 1];
  const std::size_t reach = static_cast<std::size_t>(NearMissReach(missed.size()));
  std::vector<std::uint64_t> numbers;
  for (const std::string& variant :
       companion::DeletionVariants(Folded(missed, rules.lower), static_cast<int>(reach))) {
    const auto bucket = companion::ReadBucket(file_.Bytes(), parts.deletions, variant);
    if (!bucket) {
      damaged_ = true;
      return false;
    }
    std::string_view in = *bucket;
    std::uint64_t number = 0;
    for (std::uint64_t gap = 0; !in.empty();) {
      if (!companion::TakeVarint(in, &gap)) {
        damaged_ = true;
        return false;
      }
      number += gap;
      numbers.push_back(number);
    }
  }
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  const std::string_view strings = file_.Bytes().substr(parts.strings, parts.stringsSize);
  std::string_view tail = strings.size() >= 4 ? strings.substr(strings.size() - 4) : "";
  std::uint32_t count = 0;
  if (!companion::TakeU32(tail, &count) || count > (strings.size() - 4) / 4) {
    damaged_ = true;
    return false;
  }
  const std::string_view numbered = strings.substr(strings.size() - 4 - 4 * std::size_t{count});
  std::vector<std::string_view> found;
  for (const std::uint64_t number : numbers) {
    std::string_view at = number < count ? numbered.substr(number * 4, 4) : "";
    std::uint32_t offset = 0;
    if (!companion::TakeU32(at, &offset)) {
      damaged_ = true;
      return false;
    }
    const std::optional<std::string_view> headword = StoredHeadword(side, offset);
    if (!headword) return false;
    // What is farther in length alone NearMisses would pass over anyway.
    const std::size_t longer = std::max(headword->size(), missed.size());
    if (longer - std::min(headword->size(), missed.size()) <= reach) found.push_back(*headword);
  }
  headwords->insert(headwords->end(), found.begin(), found.end());
  return true;
}

}  // namespace vokabi
