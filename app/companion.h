#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/affix_rules.h"
#include "app/charset_letters.h"
#include "app/companion_format.h"
#include "app/lookup_shortcuts.h"
#include "engine/dictionary.h"
#include "platform/mapped_file.h"

namespace vokabi {

// The companion file of a loaded base, read by seeking: whether a word is a headword, the base
// form a missed word leads to, the headwords near a missed word. Only a companion written for
// exactly this base (size and hash of its header and index) and these case rules opens; one that
// turns out damaged later answers nothing more.
class Companion : public HeadwordCheck, public FormLookup, public NearMissLookup {
 public:
  // The companion beside the dictionary's base file (basePath), when it belongs to it. The forms
  // answer only while the Hunspell dictionary found in the folders is the one they came from.
  static std::unique_ptr<Companion> Open(const Dictionary& dictionary,
                                         const std::filesystem::path& basePath,
                                         std::vector<std::filesystem::path> spellingFolders);

  LookupShortcuts Shortcuts() { return {this, this, this}; }
  // Keeps the pages a miss read mapped after the lookup, for a process that runs only for a
  // batch of lookups: letting them go after each miss costs each miss as much again in page
  // faults.
  void KeepPages() { keepPages_ = true; }
  bool Damaged() const { return damaged_; }

  bool CertainlyMissing(std::string_view word) override;
  // After a miss: the pages of the forms, the deletions and the strings it read leave memory.
  void LookupEnded() override;
  Known FormOf(int side, std::string_view missed, std::string* form) override;
  bool Candidates(int side, std::string_view missed, const CaseMap& rules,
                  std::vector<std::string_view>* headwords) override;
  bool PositionOf(int side, std::string_view headword, std::int32_t* position) override;

 private:
  Companion(platform::MappedFile file, companion::Header header, const Dictionary& dictionary,
            std::vector<std::filesystem::path> folders);
  bool Holds(int side, std::string_view word);
  // Whether the block of the side's headword of that number matches its hash (checked once);
  // false (and damaged) when it does not.
  bool BlockChecked(int side, const companion::HeadwordNumbers& numbers, std::uint32_t number);
  bool SpellerMatches(int side);
  // The side's affix rules, read on the first word that needs them; nothing when they cannot be.
  const AffixRules* Affixes(int side);
  const CharsetLetters& Letters(int side);
  // The flags of a root in the side's roots table; nothing when it is not there.
  const AffixRules::Flags* RootFlags(int side, const std::u32string& root);
  // The side's sets of flags, read on the first root; false (and damaged) when they cannot be.
  bool ReadFlagSets(int side);
  // The side's tables by headword number, read once; nothing (and damaged) when they do not read.
  const companion::HeadwordNumbers* Numbers(int side);

  platform::MappedFile file_;
  companion::Header header_;
  CaseMap rules_[2];
  std::vector<std::filesystem::path> folders_;
  std::optional<bool> spellerMatches_[2];
  int charsets_[2];
  std::optional<CharsetLetters> letters_[2];  // made on the first word that needs them
  std::unique_ptr<AffixRules> affixes_[2];
  bool affixesTried_[2] = {false, false};
  std::optional<std::vector<AffixRules::Flags>> flagSets_[2];
  std::optional<companion::HeadwordNumbers> numbers_[2];
  bool numbersRead_[2] = {false, false};
  // The string blocks found intact, by side.
  std::vector<bool> blocksChecked_[2];
  // The near-miss candidates among the numbers in reach, a bit each, kept for their room.
  std::vector<std::uint64_t> seen_;
  bool damaged_ = false;
  // A miss read the file beyond the headword tables since the pages were last released.
  bool missRead_ = false;
  bool keepPages_ = false;
};

}  // namespace vokabi
