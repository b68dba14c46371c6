#pragma once

// The Bulgarian and form-designer names used here are explained in docs/glossary.md.

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/base_header.h"
#include "engine/base_index.h"
#include "engine/case_map.h"
#include "engine/error_report.h"
#include "engine/history.h"
#include "engine/make_crypto.h"
#include "engine/on_demand_index.h"

namespace vokabi {

// How much of the index a load deciphers: all of it, checked, for a program that looks up many
// words; or only what each lookup walks through, for one lookup in a short-lived process.
enum class IndexLoad { kWhole, kOnDemand };

// The word without non-letters at its ends: what Translate looks for when the word as typed is
// not there.
std::string TrimNonLetters(std::string_view word);

// One entry of a base as a lookup reads it: headword, deciphered translation and where it stands.
struct Article {
  std::string word;
  std::string translation;
  std::int32_t position = 0;  // 1-based position of the entry's "#"
  std::int32_t neighbourStart = 0;
  int side = 1;
  int wordCharset = 0;
  int translationCharset = 0;
};

// One loaded dictionary base with its current result and its history. Texts are single-byte in
// the character set that DumaCHSet / PrevodCHSet (or HistCharset1/2) name. Failures leave their
// message number in the ErrorReport given at construction.
class Dictionary {
 public:
  Dictionary(MakeCrypto& crypto, ErrorReport& errors, std::filesystem::path appFolder,
             CaseMapProvider caseMaps);

  // Loads the base file of that name from the application folder.
  bool Initialize(const std::string& dictionaryFileName, IndexLoad load = IndexLoad::kWhole);
  // Reads only the header of the base file, to list the base before its index is loaded: its
  // names, word counts and character sets. False, with the message a load would give, when the
  // header does not read or the file does not hold the index block. Initi() stays false.
  bool ReadHeader(const std::string& dictionaryFileName);
  // An on-demand load met index text that is not a sequence of whole entries where a search went:
  // the last call failed with message 2, and only a whole load tells what the base really holds.
  // An index the file no longer holds (cut short while open) fails the call with the message of
  // an unreadable base instead (3 for a lookup, 6 for a completion, 8 for the neighbour list).
  bool NeedsWholeIndex() const { return needsWhole_; }
  // Length of the deciphered index text.
  std::size_t IndexSize() const;

  // From now on deciphers with that cipher and reports there: a base loaded beside others, each
  // reporting into its own object, joins the program's after a whole load.
  void ReportTo(MakeCrypto& crypto, ErrorReport& errors);

  bool Initi() const { return loaded_; }
  const std::string& DicName() const { return fileName_; }
  // The base file: the application folder and the file name.
  const std::filesystem::path& Path() const { return path_; }
  const std::string& ID() const { return header_.baseId; }
  const std::string& Version() const { return header_.version; }
  std::int32_t BroiDumi1() const { return static_cast<std::int32_t>(header_.wordCount1); }
  std::int32_t BroiDumi2() const { return static_cast<std::int32_t>(header_.wordCount2); }
  const std::string& BazaDumi() const { return index_.Text(); }
  // Name of side Cifra's language (1 or 2), written in interface language Ezik (0 to 6).
  std::string Ime_na_Dic(std::int32_t ezik, std::int16_t cifra) const;

  // A translation body that does not decipher fails the lookup with message 2 and leaves the
  // current result and the history as they were.
  bool Translate(std::string_view word);
  bool AutoComplete(std::string_view word);
  // The position of the entry Translate finds for exactly this word (no trimming), if any.
  std::optional<std::int32_t> Find(std::string_view word);
  // The first headword of the side (1 or 2) equal to the word, ignoring case: its position.
  std::optional<std::int32_t> FindOnSide(std::string_view word, int side);
  // The entry whose "#" stands at the position, read without becoming the current result. False
  // with message 5 when no entry starts there, 3 when its body cannot be read, 2 when it does not
  // decipher.
  bool ReadArticle(std::int32_t position, Article* article);
  // That entry, on its own side, becomes the current result and is recorded in the history, as
  // Translate does with the entry it finds.
  bool TranslateAt(std::int32_t position);
  // That entry becomes the current result without the history, as AutoComplete does.
  bool CompleteAt(std::int32_t position);
  // Up to nine headwords from the entry at StartPoz on, joined by CR LF.
  std::string Load5Etikets(std::int32_t startPoz);

  const std::string& Duma() const { return duma_; }
  const std::string& Prevod() const { return prevod_; }
  std::int32_t PredniDumi() const { return predniDumi_; }
  std::int16_t DumaCHSet() const { return dumaCHSet_; }
  std::int16_t PrevodCHSet() const { return prevodCHSet_; }
  // Where the current result's entry stands, and its side.
  std::int32_t DumaPosition() const { return dumaPosition_; }
  int DumaSide() const { return dumaSide_; }

  bool MovePredna();
  bool MoveSledvasta();
  const std::string& PrednaDuma() const { return history_.Current().word; }
  const std::string& PredenPrevod() const { return history_.Current().translation; }
  std::int32_t PrednaPredni5() const { return history_.Current().neighbourStart; }
  std::int16_t HistCharset1() const { return history_.Current().wordCharset; }
  std::int16_t HistCharset2() const { return history_.Current().translationCharset; }

  // Beyond the classic interface: what the tool and the windows need to show texts.
  int Charset1() const { return header_.charset1; }
  int Charset2() const { return header_.charset2; }
  std::int32_t Section2Start() const { return header_.section2Start; }
  // Character sets of the headwords Load5Etikets(startPoz) returns, in the same order.
  std::vector<int> NeighbourCharsets(std::int32_t startPoz);
  // Positions of the same headwords' entries.
  std::vector<std::int32_t> NeighbourPositions(std::int32_t startPoz);
  // Entries by their number in the order of the base (0 the first headword of side 1), for
  // walking the neighbour list. Only a whole load numbers them: an on-demand load has no count,
  // no number for any position and no position for any number.
  std::int32_t EntryCount() const;
  // The number of the entry whose "#" stands at position, -1 when none does.
  std::int32_t EntryNumber(std::int32_t position) const;
  // The position of entry number, 0 when there is no such entry.
  std::int32_t EntryPosition(std::int32_t number) const;
  const std::array<std::string, 7>& LanguageNames() const { return header_.names; }
  // Memory held for lookups beside the index text.
  std::size_t LookupBytes() const { return index_.LookupBytes(); }

  // The side (1 or 2) Translate looks for a typed word on first.
  int GuessSide(std::string_view word) const;
  // The case rules the searches of a side fold with.
  const CaseMap& CaseRules(int side) const { return side == 2 ? case2_ : case1_; }
  // Every headword of a side in the order of the base, valid until the next load. An on-demand
  // load deciphers the whole index for it; where the text is not whole entries the list is empty
  // and NeedsWholeIndex() tells.
  std::vector<std::string_view> Headwords(int side);

 private:
  bool Load();
  // Parses the header of the open file into header_ and checks that the file holds the index
  // block; head keeps what was read: the load span, or only a prefix holding the header when
  // prefixOnly allows it.
  bool LoadHeader(const BaseFile& file, bool prefixOnly, std::string* head);
  std::int32_t LetterStart(unsigned char first, int side) const;
  // Reads and deciphers the body of an entry; false when the body cannot be read.
  bool ReadTranslation(std::int32_t position, std::string_view locator, int side,
                       std::string* translation, std::int32_t* neighbourStart);
  bool ReadTranslation(std::size_t entry, std::string* translation, std::int32_t* neighbourStart);
  // The on-demand counterpart of FindFrom: the same first entry, read from the letter group on.
  enum class Search { kFound, kNone, kBroken };
  Search FindOnDemand(std::string_view word, bool prefix, std::int32_t start,
                      OnDemandIndex::Entry* found);
  // The first entry from offset on before `until` that matches; kBroken when the text there is
  // not whole entries or the walk steps over `until`.
  Search ScanOnDemand(std::string_view word, bool prefix, std::size_t offset, std::size_t until,
                      OnDemandIndex::Entry* found);
  int SectionAt(std::size_t offset) const;
  bool OpensEntry(std::size_t offset);
  // Gathers the neighbour list from the on-demand index; false when the text is broken there.
  bool NeighboursOnDemand(std::int32_t startPoz, std::vector<OnDemandIndex::Entry>* entries);
  // An on-demand walk failed: message 2 and a whole load asked for where the text is not whole
  // entries; the given message where the file could not be read.
  bool Broken(std::int32_t unreadable);
  void SetResult(std::string_view headword, int side, std::string translation,
                 std::int32_t neighbourStart, std::int32_t position);
  void SetResult(Article article);
  // Find, telling a miss from an index that could not be walked on demand.
  Search FindEntry(std::string_view word, std::int32_t* position);
  // The first entry from start to the end, else from the top of the index up to start.
  std::optional<std::size_t> FindFrom(
      std::optional<std::size_t> (BaseIndex::*find)(std::string_view, std::int32_t) const,
      std::string_view word, std::int32_t start) const;
  void SetResult(std::size_t entry, std::string translation, std::int32_t neighbourStart);

  MakeCrypto* crypto_;
  ErrorReport* errors_;
  std::filesystem::path folder_;
  CaseMapProvider caseMaps_;
  CaseMap case1_;
  CaseMap case2_;

  std::string fileName_;
  std::filesystem::path path_;
  BaseHeader header_;
  BaseIndex index_;
  IndexLoad load_ = IndexLoad::kWhole;
  std::unique_ptr<OnDemandIndex> partial_;
  bool loaded_ = false;
  bool needsWhole_ = false;

  std::string duma_;
  std::string prevod_;
  std::int32_t predniDumi_ = 0;
  std::int16_t dumaCHSet_ = 0;
  std::int16_t prevodCHSet_ = 0;
  std::int32_t dumaPosition_ = 0;
  int dumaSide_ = 1;
  History history_;
};

}  // namespace vokabi
