#include "engine/dictionary.h"

#include <algorithm>
#include <limits>
#include <new>
#include <optional>
#include <utility>

#include "engine/base_file.h"

namespace vokabi {
namespace {

constexpr int kNeighbours = 9;
// What an on-demand load reads first, hoping the header lies in it.
constexpr std::uint64_t kHeadPrefix = 64 * 1024;

bool IsNonLetter(unsigned char c) {
  return c < 65 || (c >= 91 && c <= 96) || (c >= 123 && c <= 155);
}

// Reads length bytes at offset; false when the file cannot be opened or does not hold them.
bool ReadAt(const std::filesystem::path& path, std::uint64_t offset, std::size_t length,
            std::string* bytes) {
  const std::optional<BaseFile> file = BaseFile::Open(path);
  return file && file->ReadAt(offset, length, bytes);
}

}  // namespace

std::string TrimNonLetters(std::string_view word) {
  while (!word.empty() && IsNonLetter(static_cast<unsigned char>(word.back()))) {
    word.remove_suffix(1);
  }
  while (!word.empty() && IsNonLetter(static_cast<unsigned char>(word.front()))) {
    word.remove_prefix(1);
  }
  return std::string(word);
}

Dictionary::Dictionary(MakeCrypto& crypto, ErrorReport& errors, std::filesystem::path appFolder,
                       CaseMapProvider caseMaps)
    : crypto_(&crypto),
      errors_(&errors),
      folder_(std::move(appFolder)),
      caseMaps_(std::move(caseMaps)),
      case1_(CaseMap::Ascii()),
      case2_(CaseMap::Ascii()) {}

bool Dictionary::Initialize(const std::string& dictionaryFileName, IndexLoad load) {
  history_.Initialize();
  fileName_ = dictionaryFileName;
  load_ = load;
  partial_.reset();
  needsWhole_ = false;
  try {
    loaded_ = Load();
  } catch (const std::exception&) {
    errors_->SetNomer(msg::kNoSettings);
    loaded_ = false;
  }
  return loaded_;
}

bool Dictionary::ReadHeader(const std::string& dictionaryFileName) {
  history_.Initialize();
  fileName_ = dictionaryFileName;
  partial_.reset();
  needsWhole_ = false;
  loaded_ = false;
  path_ = folder_ / fileName_;
  try {
    const std::optional<BaseFile> file = BaseFile::Open(path_);
    if (!file) {
      errors_->SetNomer(msg::kNoSettings);
      return false;
    }
    std::string head;
    return LoadHeader(*file, true, &head);
  } catch (const std::exception&) {
    errors_->SetNomer(msg::kNoSettings);
    return false;
  }
}

bool Dictionary::LoadHeader(const BaseFile& file, bool prefixOnly, std::string* head) {
  const std::uint64_t fileSize = file.Size();
  // The load span comes from the file itself: read no more than the file holds.
  std::string field;
  std::uint32_t dataBase1 = 0;
  if (!file.ReadAt(header::kDataBase1.offset, header::kDataBase1.length, &field) ||
      !ParseHex(field, &dataBase1)) {
    errors_->SetNomer(msg::kNoSettings);
    return false;
  }
  const std::uint64_t span = std::uint64_t{dataBase1} + header::kLead.length;
  const std::uint64_t headSize = std::min(span, fileSize);
  bool parsed = false;
  if (prefixOnly && headSize > kHeadPrefix) {
    // The header and tables of a base lie in its first bytes, before the index: when the parse
    // reads nothing past them, the rest of the span need not be read.
    BaseHeader prefixHeader;
    if (file.ReadAt(0, kHeadPrefix, head) && ParseBaseHeader(*head, &prefixHeader) &&
        prefixHeader.end <= head->size()) {
      header_ = std::move(prefixHeader);
      parsed = true;
    }
  }
  if (!parsed) {
    if (!file.ReadAt(0, static_cast<std::size_t>(headSize), head)) {
      errors_->SetNomer(msg::kNoSettings);
      return false;
    }
    if (!ParseBaseHeader(*head, &header_)) {
      errors_->SetNomer(msg::kNoSettings);
      return false;
    }
  }
  // A block that reaches past the load span or the file cannot decipher.
  const std::uint64_t indexEnd = std::uint64_t{header_.indexOffset} + 5 + header_.indexLength;
  if (indexEnd > span || indexEnd > headSize) {
    errors_->SetNomer(msg::kMissingFile);
    return false;
  }
  return true;
}

bool Dictionary::Load() {
  path_ = folder_ / fileName_;
  std::optional<BaseFile> file = BaseFile::Open(path_);
  if (!file) {
    errors_->SetNomer(msg::kNoSettings);
    return false;
  }
  std::string head;
  if (!LoadHeader(*file, load_ == IndexLoad::kOnDemand, &head)) return false;
  const std::uint64_t indexBegin = std::uint64_t{header_.indexOffset} + 5;
  if (caseMaps_) {
    case1_ = caseMaps_(header_.charset1);
    case2_ = caseMaps_(header_.charset2);
  }
  if (load_ == IndexLoad::kOnDemand) {
    partial_ = std::make_unique<OnDemandIndex>(*crypto_, std::move(*file), indexBegin,
                                               header_.indexLength, header_.key);
    if (!partial_->Open()) {
      errors_->SetNomer(msg::kMissingFile);
      return false;
    }
    if (!header_.hasTable2) {
      header_.section2Start = static_cast<std::int32_t>(
          std::min<std::size_t>(partial_->Size() + 1, std::numeric_limits<std::int32_t>::max()));
    }
    return true;
  }
  errors_->SetNomer(msg::kNone);
  std::string text =
      crypto_->Decrypt(std::string_view(head).substr(indexBegin, header_.indexLength), header_.key);
  if (errors_->Nomer() != msg::kNone) {
    errors_->SetNomer(msg::kMissingFile);
    return false;
  }
  head.clear();
  head.shrink_to_fit();

  // Without a second table there is no second section, rather than every entry being in it.
  if (!header_.hasTable2) {
    header_.section2Start = static_cast<std::int32_t>(
        std::min<std::size_t>(text.size() + 1, std::numeric_limits<std::int32_t>::max()));
  }
  if (!index_.Build(std::move(text), header_.section2Start, case1_, case2_)) {
    errors_->SetNomer(msg::kMissingFile);
    return false;
  }
  return true;
}

void Dictionary::ReportTo(MakeCrypto& crypto, ErrorReport& errors) {
  crypto_ = &crypto;
  errors_ = &errors;
}

std::string Dictionary::Ime_na_Dic(std::int32_t ezik, std::int16_t cifra) const {
  const std::size_t fieldIndex = ezik == 0 || (ezik >= 2 && ezik <= 6) ? ezik : 1;
  const std::string& field = header_.names[fieldIndex];
  const std::size_t comma = field.find(',');
  if (comma == std::string::npos) return field;
  return cifra == 2 ? field.substr(comma + 1) : field.substr(0, comma);
}

int Dictionary::GuessSide(std::string_view word) const {
  bool latin = false;
  bool cyrillic = false;
  if (word.size() >= 2) {
    for (const char ch : word) {
      const auto c = static_cast<unsigned char>(ch);
      if (c >= 97 && c <= 122) {
        latin = true;
      } else if (c >= 224) {
        cyrillic = true;
      }
    }
  } else if (word.size() == 1) {
    (static_cast<unsigned char>(word[0]) > 128 ? cyrillic : latin) = true;
  } else {
    latin = true;
  }
  return latin || !cyrillic ? 1 : 2;
}

std::int32_t Dictionary::LetterStart(unsigned char first, int side) const {
  const CaseMap& caseMap = side == 1 ? case1_ : case2_;
  const auto& letters = side == 1 ? header_.letters1 : header_.letters2;
  const std::int32_t start = letters[caseMap.upper[first]];
  return start == 0 ? 1 : start;
}

bool Dictionary::ReadTranslation(std::size_t entry, std::string* translation,
                                 std::int32_t* neighbourStart) {
  return ReadTranslation(index_.Position(entry), index_.Locator(entry), index_.SectionOf(entry),
                         translation, neighbourStart);
}

bool Dictionary::ReadTranslation(std::int32_t position, std::string_view locator, int side,
                                 std::string* translation, std::int32_t* neighbourStart) {
  const auto b = [&](int i) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(locator[i]));
  };
  const std::uint32_t bodyPos = (b(0) << 16) | (b(1) << 8) | b(2);
  const std::uint32_t bodyLength = b(3) * 128 + b(4) / 2;
  const std::uint32_t neighbourBack = (b(4) % 2) * 256 + b(5);

  const std::int64_t dataBase = side == 1 ? header_.dataBase1 : header_.dataBase2;
  const std::int64_t offset = dataBase + bodyPos - 2;
  std::string body;
  if (offset < 0 || !ReadAt(path_, static_cast<std::uint64_t>(offset), bodyLength, &body)) {
    return false;
  }
  *neighbourStart = position - static_cast<std::int32_t>(neighbourBack);
  errors_->SetNomer(msg::kNone);
  *translation = crypto_->Decrypt(body, header_.key);
  return true;
}

std::size_t Dictionary::IndexSize() const {
  return partial_ ? partial_->Size() : index_.Text().size();
}

int Dictionary::SectionAt(std::size_t offset) const {
  return static_cast<std::int64_t>(offset) + 1 >= header_.section2Start ? 2 : 1;
}

bool Dictionary::Broken(std::int32_t unreadable) {
  // A file cut short while open: its text is not to blame, and a whole load would not help.
  if (partial_->TakeUnreadable()) {
    errors_->SetNomer(unreadable);
    return false;
  }
  needsWhole_ = true;
  errors_->SetNomer(msg::kMissingFile);
  return false;
}

Dictionary::Search Dictionary::ScanOnDemand(std::string_view word, bool prefix, std::size_t offset,
                                            std::size_t until, OnDemandIndex::Entry* found) {
  const std::size_t size = partial_->Size();
  std::string keys[2];
  const CaseMap* maps[2] = {&case1_, &case2_};
  for (int s = 0; s < 2; ++s) {
    keys[s].assign(word);
    for (char& c : keys[s]) c = static_cast<char>(maps[s]->upper[static_cast<unsigned char>(c)]);
  }
  while (offset < size && offset < until) {
    const auto entry = partial_->EntryAt(offset);
    if (!entry) return Search::kBroken;
    const int s = SectionAt(offset) - 1;
    const std::string& key = keys[s];
    const std::string_view h = entry->headword;
    if (prefix ? h.size() >= key.size() : h.size() == key.size()) {
      const unsigned char* upper = maps[s]->upper.data();
      bool same = true;
      for (std::size_t i = 0; same && i < key.size(); ++i) {
        same = upper[static_cast<unsigned char>(h[i])] == static_cast<unsigned char>(key[i]);
      }
      if (same) {
        *found = *entry;
        return Search::kFound;
      }
    }
    offset = entry->end;
  }
  if (until < size && offset != until) return Search::kBroken;
  return Search::kNone;
}

bool Dictionary::OpensEntry(std::size_t offset) {
  // Only a walk from the top proves an entry starts here; a "#" with the "$" of a whole entry
  // before it is what a locator byte rarely forges.
  constexpr std::size_t kShortestEntry = 8;
  if (offset >= partial_->Size() || partial_->At(offset) != '#') return false;
  return offset == 0 || (offset >= kShortestEntry && partial_->At(offset - 7) == '$');
}

Dictionary::Search Dictionary::FindOnDemand(std::string_view word, bool prefix, std::int32_t start,
                                            OnDemandIndex::Entry* found) {
  const std::size_t from = start > 1 ? static_cast<std::size_t>(start) - 1 : 0;
  const std::size_t size = partial_->Size();
  if (from < size) {
    // A group that does not open on an entry: only the whole index knows where the next one is.
    if (!OpensEntry(from)) return Search::kBroken;
    const Search result = ScanOnDemand(word, prefix, from, size, found);
    if (result != Search::kNone) return result;
  }
  // As FindFrom: round once more from the top, this time only up to where the first walk began.
  if (start > 1) return ScanOnDemand(word, prefix, 0, from, found);
  return Search::kNone;
}

bool Dictionary::NeighboursOnDemand(std::int32_t startPoz,
                                    std::vector<OnDemandIndex::Entry>* entries) {
  const std::size_t size = partial_->Size();
  if (startPoz < 1 || static_cast<std::size_t>(startPoz) > size) return true;
  const auto target = static_cast<std::size_t>(startPoz) - 1;
  // Walk from the nearest group start before the position; from the top when that one does not
  // lead onto it.
  std::size_t anchor = 0;
  for (const auto* letters : {&header_.letters1, &header_.letters2}) {
    for (const std::int32_t p : *letters) {
      if (p >= 1 && static_cast<std::size_t>(p) - 1 <= target) {
        anchor = std::max(anchor, static_cast<std::size_t>(p) - 1);
      }
    }
  }
  for (;;) {
    std::size_t offset = anchor;
    bool aligned = OpensEntry(offset);
    while (aligned && offset < target) {
      const auto entry = partial_->EntryAt(offset);
      if (!entry) {
        aligned = false;
        break;
      }
      offset = entry->end;
    }
    if (aligned && offset == target) break;
    if (anchor == 0) {
      if (!aligned) return false;
      return true;  // the position is inside an entry
    }
    anchor = 0;
  }
  std::size_t offset = target;
  for (int i = 0; i < kNeighbours && offset < size; ++i) {
    const auto entry = partial_->EntryAt(offset);
    if (!entry) return false;
    entries->push_back(*entry);
    offset = entry->end;
  }
  return true;
}

std::optional<std::size_t> Dictionary::FindFrom(
    std::optional<std::size_t> (BaseIndex::*find)(std::string_view, std::int32_t) const,
    std::string_view word, std::int32_t start) const {
  if (auto entry = (index_.*find)(word, start)) return entry;
  // A guess can start past the word: a lower-case Russian word in a base whose two sides are
  // Cyrillic starts in the Bulgarian section. Going round once more from the top finds it, and
  // changes nothing that the search from the guess finds.
  if (start > 1) return (index_.*find)(word, 1);
  return std::nullopt;
}

void Dictionary::SetResult(std::size_t entry, std::string translation,
                           std::int32_t neighbourStart) {
  SetResult(index_.Headword(entry), index_.SectionOf(entry), std::move(translation), neighbourStart,
            index_.Position(entry));
}

void Dictionary::SetResult(std::string_view headword, int side, std::string translation,
                           std::int32_t neighbourStart, std::int32_t position) {
  const bool side1 = side == 1;
  duma_ = std::string(headword);
  prevod_ = std::move(translation);
  predniDumi_ = neighbourStart;
  dumaCHSet_ = static_cast<std::int16_t>(side1 ? header_.charset1 : header_.charset2);
  prevodCHSet_ = static_cast<std::int16_t>(side1 ? header_.charset2 : header_.charset1);
  dumaPosition_ = position;
  dumaSide_ = side;
}

void Dictionary::SetResult(Article article) {
  SetResult(article.word, article.side, std::move(article.translation), article.neighbourStart,
            article.position);
}

Dictionary::Search Dictionary::FindEntry(std::string_view word, std::int32_t* position) {
  const int side = GuessSide(word);
  const auto start = LetterStart(static_cast<unsigned char>(word[0]), side);
  if (partial_) {
    OnDemandIndex::Entry found;
    const Search result = FindOnDemand(word, false, start, &found);
    if (result == Search::kFound) *position = static_cast<std::int32_t>(found.offset + 1);
    return result;
  }
  const auto entry = FindFrom(&BaseIndex::FindWord, word, start);
  if (!entry) return Search::kNone;
  *position = index_.Position(*entry);
  return Search::kFound;
}

std::optional<std::int32_t> Dictionary::Find(std::string_view word) {
  if (!loaded_ || word.empty()) return std::nullopt;
  std::int32_t position = 0;
  const Search result = FindEntry(word, &position);
  if (result == Search::kBroken) Broken(msg::kCannotTranslate);
  if (result != Search::kFound) return std::nullopt;
  return position;
}

std::optional<std::int32_t> Dictionary::FindOnSide(std::string_view word, int side) {
  if (!loaded_ || word.empty() || (side != 1 && side != 2)) return std::nullopt;
  const std::int32_t section2 = std::max<std::int32_t>(header_.section2Start, 1);
  if (partial_) {
    const std::size_t size = partial_->Size();
    const std::size_t split = std::min<std::size_t>(static_cast<std::size_t>(section2) - 1, size);
    const std::size_t from = side == 1 ? 0 : split;
    const std::size_t until = side == 1 ? split : size;
    if (from >= until) return std::nullopt;
    if (!OpensEntry(from)) {
      Broken(msg::kCannotTranslate);
      return std::nullopt;
    }
    OnDemandIndex::Entry found;
    const Search result = ScanOnDemand(word, false, from, until, &found);
    if (result == Search::kBroken) Broken(msg::kCannotTranslate);
    if (result != Search::kFound) return std::nullopt;
    return static_cast<std::int32_t>(found.offset + 1);
  }
  const auto entry = index_.FindWord(word, side == 1 ? 1 : section2);
  if (!entry || index_.SectionOf(*entry) != side) return std::nullopt;
  return index_.Position(*entry);
}

bool Dictionary::ReadArticle(std::int32_t position, Article* article) {
  if (!loaded_) {
    errors_->SetNomer(msg::kCannotTranslate);
    return false;
  }
  std::string_view headword;
  std::string_view locator;
  int side = 1;
  std::optional<OnDemandIndex::Entry> found;
  if (partial_) {
    const auto offset = static_cast<std::size_t>(position > 0 ? position - 1 : 0);
    if (position > 0 && OpensEntry(offset)) found = partial_->EntryAt(offset);
    if (!found) {
      errors_->SetNomer(partial_->TakeUnreadable() ? msg::kCannotTranslate : msg::kNotFound);
      return false;
    }
    headword = found->headword;
    locator = found->locator;
    side = SectionAt(found->offset);
  } else {
    const auto entry = index_.EntryAt(position);
    if (!entry) {
      errors_->SetNomer(msg::kNotFound);
      return false;
    }
    headword = index_.Headword(*entry);
    locator = index_.Locator(*entry);
    side = index_.SectionOf(*entry);
  }
  Article read;
  if (!ReadTranslation(position, locator, side, &read.translation, &read.neighbourStart)) {
    errors_->SetNomer(msg::kCannotTranslate);
    return false;
  }
  // The body did not decipher: the cipher left message 2.
  if (errors_->Nomer() != msg::kNone) return false;
  read.word = std::string(headword);
  read.position = position;
  read.side = side;
  read.wordCharset = side == 1 ? header_.charset1 : header_.charset2;
  read.translationCharset = side == 1 ? header_.charset2 : header_.charset1;
  *article = std::move(read);
  return true;
}

bool Dictionary::TranslateAt(std::int32_t position) {
  Article article;
  if (!ReadArticle(position, &article)) return false;
  SetResult(std::move(article));
  history_.Push({duma_, prevod_, predniDumi_, dumaCHSet_, prevodCHSet_});
  return true;
}

bool Dictionary::CompleteAt(std::int32_t position) {
  Article article;
  if (!ReadArticle(position, &article)) return false;
  SetResult(std::move(article));
  return true;
}

bool Dictionary::Translate(std::string_view word) {
  if (!loaded_) {
    errors_->SetNomer(msg::kCannotTranslate);
    return false;
  }
  std::string current(word);
  // The word as typed, then once more without non-letters at its ends.
  for (;;) {
    if (current.empty()) {
      errors_->SetNomer(msg::kNoWord);
      return false;
    }
    std::int32_t position = 0;
    const Search result = FindEntry(current, &position);
    if (result == Search::kBroken) return Broken(msg::kCannotTranslate);
    if (result == Search::kFound) return TranslateAt(position);
    std::string trimmed = TrimNonLetters(current);
    if (trimmed == current) {
      errors_->SetNomer(msg::kNotFound);
      return false;
    }
    current = std::move(trimmed);
  }
}

bool Dictionary::AutoComplete(std::string_view word) {
  if (word.empty()) {
    errors_->SetNomer(msg::kNoWord);
    return false;
  }
  if (!loaded_) {
    errors_->SetNomer(msg::kNotCompleted);
    return false;
  }
  // Lower case only steers the side guess; the search ignores case anyway and takes the word as
  // typed. A byte that side 1's rules leave alone may still be a capital of side 2's.
  std::string lower(word);
  for (char& ch : lower) {
    const auto c = static_cast<unsigned char>(ch);
    const unsigned char l = case1_.lower[c];
    ch = static_cast<char>(l != c ? l : case2_.lower[c]);
  }
  const int side = GuessSide(lower);
  const auto start = LetterStart(static_cast<unsigned char>(word[0]), side);
  if (partial_) {
    OnDemandIndex::Entry found;
    const Search result = FindOnDemand(word, true, start, &found);
    if (result == Search::kBroken) return Broken(msg::kNotCompleted);
    const int section = SectionAt(found.offset);
    std::string translation;
    std::int32_t neighbourStart = 0;
    if (result == Search::kNone ||
        !ReadTranslation(static_cast<std::int32_t>(found.offset + 1), found.locator, section,
                         &translation, &neighbourStart)) {
      errors_->SetNomer(msg::kNotCompleted);
      return false;
    }
    SetResult(found.headword, section, std::move(translation), neighbourStart,
              static_cast<std::int32_t>(found.offset + 1));
    return true;
  }
  const auto entry = FindFrom(&BaseIndex::FindPrefix, word, start);
  std::string translation;
  std::int32_t neighbourStart = 0;
  if (!entry || !ReadTranslation(*entry, &translation, &neighbourStart)) {
    errors_->SetNomer(msg::kNotCompleted);
    return false;
  }
  SetResult(*entry, std::move(translation), neighbourStart);
  return true;
}

std::string Dictionary::Load5Etikets(std::int32_t startPoz) {
  if (loaded_ && partial_) {
    std::vector<OnDemandIndex::Entry> entries;
    if (!NeighboursOnDemand(startPoz, &entries)) {
      Broken(msg::kBaseError);
      return {};
    }
    if (entries.empty()) {
      errors_->SetNomer(msg::kBaseError);
      return {};
    }
    std::string list;
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (i > 0) list += "\r\n";
      list += entries[i].headword;
    }
    return list;
  }
  const auto first = loaded_ ? index_.EntryAt(startPoz) : std::nullopt;
  if (!first) {
    errors_->SetNomer(msg::kBaseError);
    return {};
  }
  std::string list;
  const std::size_t end = std::min(index_.EntryCount(), *first + kNeighbours);
  for (std::size_t i = *first; i < end; ++i) {
    if (i > *first) list += "\r\n";
    list += index_.Headword(i);
  }
  return list;
}

std::vector<std::string_view> Dictionary::Headwords(int side) {
  std::vector<std::string_view> words;
  if (!loaded_) return words;
  if (partial_) {
    const std::size_t size = partial_->Size();
    for (std::size_t offset = 0; offset < size;) {
      const auto entry = partial_->EntryAt(offset);
      if (!entry) {
        if (partial_->TakeUnreadable()) {
          errors_->SetNomer(msg::kCannotTranslate);
        } else {
          needsWhole_ = true;
        }
        return {};
      }
      if (SectionAt(offset) == side) words.push_back(entry->headword);
      offset = entry->end;
    }
    return words;
  }
  for (std::size_t i = 0; i < index_.EntryCount(); ++i) {
    if (index_.SectionOf(i) == side) words.push_back(index_.Headword(i));
  }
  return words;
}

std::int32_t Dictionary::EntryCount() const {
  return loaded_ && !partial_ ? static_cast<std::int32_t>(index_.EntryCount()) : 0;
}

std::int32_t Dictionary::EntryNumber(std::int32_t position) const {
  const auto entry = loaded_ && !partial_ ? index_.EntryAt(position) : std::nullopt;
  return entry ? static_cast<std::int32_t>(*entry) : -1;
}

std::int32_t Dictionary::EntryPosition(std::int32_t number) const {
  if (number < 0 || number >= EntryCount()) return 0;
  return index_.Position(static_cast<std::size_t>(number));
}

std::vector<int> Dictionary::NeighbourCharsets(std::int32_t startPoz) {
  std::vector<int> charsets;
  if (loaded_ && partial_) {
    std::vector<OnDemandIndex::Entry> entries;
    // Load5Etikets of the same position has told why.
    if (!NeighboursOnDemand(startPoz, &entries)) {
      partial_->TakeUnreadable();
      return charsets;
    }
    for (const auto& entry : entries) {
      charsets.push_back(SectionAt(entry.offset) == 1 ? header_.charset1 : header_.charset2);
    }
    return charsets;
  }
  const auto first = loaded_ ? index_.EntryAt(startPoz) : std::nullopt;
  if (!first) return charsets;
  const std::size_t end = std::min(index_.EntryCount(), *first + kNeighbours);
  for (std::size_t i = *first; i < end; ++i) {
    charsets.push_back(index_.SectionOf(i) == 1 ? header_.charset1 : header_.charset2);
  }
  return charsets;
}

std::vector<std::int32_t> Dictionary::NeighbourPositions(std::int32_t startPoz) {
  std::vector<std::int32_t> positions;
  if (loaded_ && partial_) {
    std::vector<OnDemandIndex::Entry> entries;
    if (!NeighboursOnDemand(startPoz, &entries)) {
      partial_->TakeUnreadable();
      return positions;
    }
    for (const auto& entry : entries)
      positions.push_back(static_cast<std::int32_t>(entry.offset + 1));
    return positions;
  }
  const auto first = loaded_ ? index_.EntryAt(startPoz) : std::nullopt;
  if (!first) return positions;
  const std::size_t end = std::min(index_.EntryCount(), *first + kNeighbours);
  for (std::size_t i = *first; i < end; ++i) positions.push_back(index_.Position(i));
  return positions;
}

bool Dictionary::MovePredna() {
  return history_.MovePredna();
}

bool Dictionary::MoveSledvasta() {
  return history_.MoveSledvasta();
}

}  // namespace vokabi
