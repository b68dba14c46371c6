#include "tools/vkb/companion_writer.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <system_error>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "app/base_forms.h"
#include "app/companion_format.h"
#include "app/error_class.h"
#include "app/lookup_help.h"
#include "app/near_misses.h"
#include "app/system_case_map.h"
#include "engine/dictionary.h"
#include "engine/make_crypto.h"
#include "platform/codepage.h"
#include "platform/spelling_folders.h"
#include "tools/vkb/affix_expander.h"

namespace vokabi::vkb {
namespace {

namespace fs = std::filesystem;
using companion::BucketTableWriter;

// Records per bucket, about: a bucket is read whole for one key.
constexpr std::size_t kPairsPerBucket = 16;
// As TranslateWithHelp: no more of a word's base forms are tried.
constexpr std::size_t kMostForms = 8;

std::string Folded(std::string_view word, const std::array<unsigned char, 256>& table) {
  std::string folded(word);
  for (char& c : folded) c = static_cast<char>(table[static_cast<unsigned char>(c)]);
  return folded;
}

// The parts of one side, laid out from `offset` on; the side's header fields are filled in.
class SideWriter {
 public:
  SideWriter(Dictionary& dictionary, int side, BaseForms& forms,
             const std::vector<fs::path>& folders)
      : dictionary_(dictionary), side_(side), forms_(forms), folders_(folders) {}

  std::string Write(std::uint64_t offset, companion::SideParts* parts, std::size_t* formCount) {
    const CaseMap& rules = dictionary_.CaseRules(side_);
    const std::vector<std::string_view> headwords = dictionary_.Headwords(side_);
    const char* text = dictionary_.BazaDumi().data();

    // Each distinct headword once, with the position of its first entry.
    std::map<std::string, std::uint32_t> firsts;
    for (const std::string_view headword : headwords) {
      const auto position = static_cast<std::uint32_t>(headword.data() - text);
      firsts.emplace(Folded(headword, rules.upper), position);
    }
    companion::SortedTableWriter headwordTable;
    for (const auto& [key, position] : firsts) {
      std::string value;
      companion::PutVarint(value, position);
      headwordTable.Add(key, std::move(value));
    }

    // The string records of the distinct headwords as stored, numbered shortest first.
    std::vector<std::string_view> numbered(headwords.begin(), headwords.end());
    std::sort(numbered.begin(), numbered.end(), [](std::string_view a, std::string_view b) {
      return std::pair(a.size(), a) < std::pair(b.size(), b);
    });
    numbered.erase(std::unique(numbered.begin(), numbered.end()), numbered.end());
    std::map<std::string_view, std::uint64_t> strings;
    std::vector<std::uint64_t> offsets;
    std::vector<std::string> folded;
    std::string stringArea;
    for (const std::string_view headword : numbered) {
      strings.emplace(headword, stringArea.size());
      offsets.push_back(stringArea.size());
      folded.push_back(Folded(headword, rules.lower));
      companion::PutU16(stringArea, static_cast<std::uint32_t>(headword.size()));
      companion::PutU16(stringArea, static_cast<std::uint32_t>(companion::Hash(headword) & 0xFFFF));
      stringArea += headword;
    }
    stringArea += companion::HeadwordNumbers::Layout(offsets, folded);

    // Buckets by the number of variants, counted first, so that no table of the variants
    // themselves is kept: a base of half a million headwords has millions of them.
    std::size_t pairs = 0;
    for (const std::string& word : folded)
      pairs += companion::DeletionVariants(word, companion::kMostDeletions).size();
    BucketTableWriter deletionTable(pairs / kPairsPerBucket + 1);
    std::vector<std::vector<std::uint32_t>> postings(deletionTable.Count());
    for (std::uint32_t number = 0; number < folded.size(); ++number) {
      for (const std::string& variant :
           companion::DeletionVariants(folded[number], companion::kMostDeletions)) {
        postings[companion::Hash(variant) % deletionTable.Count()].push_back(number);
      }
    }
    for (std::size_t b = 0; b < postings.size(); ++b) {
      std::vector<std::uint32_t>& posting = postings[b];
      std::sort(posting.begin(), posting.end());
      posting.erase(std::unique(posting.begin(), posting.end()), posting.end());
      std::uint64_t previous = 0;
      for (const std::uint32_t number : posting) {
        companion::PutVarint(deletionTable.BucketAt(b), number - previous);
        previous = number;
      }
    }

    const std::map<std::string, std::string> forms = FormsTable(parts);
    *formCount = forms.size();
    companion::SortedTableWriter formTable;
    for (const auto& [missed, form] : forms) {
      // The headword itself where Translate finds the same entry for it: most forms are one.
      std::string value;
      const auto stored = strings.find(std::string_view(form));
      if (stored != strings.end()) {
        companion::PutVarint(value, 2 * stored->second);
      } else {
        companion::PutVarint(value, 2 * form.size() + 1);
        value += form;
      }
      formTable.Add(missed, std::move(value));
    }

    std::string out;
    parts->headwords = offset;
    out += headwordTable.Layout();
    parts->forms = offset + out.size();
    out += formTable.Layout();
    parts->deletions = offset + out.size();
    out += deletionTable.Layout();
    parts->strings = offset + out.size();
    parts->stringsSize = stringArea.size();
    out += stringArea;
    return out;
  }

 private:
  // Missed words of this side → the base form TranslateWithHelp finds for them on this side,
  // found by asking Hunspell exactly as TranslateWithHelp does.
  std::map<std::string, std::string> FormsTable(companion::SideParts* parts) {
    std::map<std::string, std::string> table;
    parts->language = SideLanguage(dictionary_.ID(), side_);
    parts->cover = companion::FormsCover::kNoDictionary;
    const std::optional<fs::path> speller = FindSpeller(folders_, parts->language);
    if (!speller) return table;
    const std::optional<companion::SpellerFiles> files = companion::SpellerFilesOf(*speller);
    AffixExpander expander;
    std::string ignored;
    if (!files || !expander.Load(*speller, &ignored)) {
      // Found but unreadable now: say nothing, so that the program asks Hunspell itself.
      parts->cover = companion::FormsCover::kListedOnly;
      parts->speller = files.value_or(companion::SpellerFiles{});
      return table;
    }
    parts->speller = *files;
    parts->cover =
        expander.Complete() ? companion::FormsCover::kComplete : companion::FormsCover::kListedOnly;
    const int charset = side_ == 1 ? dictionary_.Charset1() : dictionary_.Charset2();
    const CaseMap& rules = dictionary_.CaseRules(side_);
    const bool bothSides = dictionary_.Charset1() == dictionary_.Charset2();

    std::set<std::string> reachable[2];
    for (const int side : {1, 2}) {
      for (const std::string_view headword : dictionary_.Headwords(side))
        reachable[side - 1].insert(Folded(headword, dictionary_.CaseRules(side).upper));
    }
    std::unordered_set<std::string> candidates;
    for (const AffixExpander::Root& root : expander.Roots()) {
      const platform::Encoded bytes = platform::EncodeCharset(charset, root.word);
      if (bytes.unfit > 0) continue;
      // Translate looks through both sections: a stem may be a headword of the other side.
      const std::string trimmed = TrimNonLetters(bytes.bytes);
      if (reachable[0].count(Folded(trimmed, dictionary_.CaseRules(1).upper)) == 0 &&
          reachable[1].count(Folded(trimmed, dictionary_.CaseRules(2).upper)) == 0) {
        continue;
      }
      for (std::string& form : expander.Forms(root)) candidates.insert(std::move(form));
    }
    for (const std::string& candidate : candidates) {
      const platform::Encoded key = platform::EncodeCharset(charset, candidate);
      // Only lower-case words of letters: Hunspell has rules of its own for capitals.
      if (key.unfit > 0 || key.bytes.empty() || !companion::LowerCaseLetters(key.bytes, rules))
        continue;
      // Only a word guessed for this side, or for either where both write alike, asks here.
      if (dictionary_.GuessSide(key.bytes) != side_ && !bothSides) continue;
      if (dictionary_.Translate(key.bytes)) continue;
      std::vector<std::string> found =
          forms_.Of(parts->language, platform::DecodeCharset(charset, key.bytes).utf8);
      if (found.size() > kMostForms) found.resize(kMostForms);
      for (const std::string& form : found) {
        const platform::Encoded bytes = platform::EncodeCharset(charset, form);
        if (bytes.unfit > 0 || bytes.bytes.empty()) continue;
        if (dictionary_.Translate(bytes.bytes)) {
          table.emplace(key.bytes, SameEntry(bytes.bytes));
          break;
        }
      }
    }
    return table;
  }

  // The found headword as stored where looking it up finds what the form found, else the form.
  std::string SameEntry(const std::string& form) {
    const std::string duma = dictionary_.Duma();
    const std::string prevod = dictionary_.Prevod();
    const std::int32_t position = dictionary_.PredniDumi();
    const std::int16_t charset = dictionary_.DumaCHSet();
    if (duma != form && dictionary_.Translate(duma) && dictionary_.Prevod() == prevod &&
        dictionary_.PredniDumi() == position && dictionary_.DumaCHSet() == charset) {
      return duma;
    }
    return form;
  }

  Dictionary& dictionary_;
  const int side_;
  BaseForms& forms_;
  const std::vector<fs::path>& folders_;
};

bool WriteFile(const fs::path& target, const std::string& bytes, std::string* error) {
  std::random_device device;
  const fs::path temp =
      target.parent_path() / ("." + target.filename().string() + ".tmp" + std::to_string(device()));
  {
    std::ofstream file(temp, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
      std::error_code ignored;
      fs::remove(temp, ignored);
      *error = "cannot write " + temp.string();
      return false;
    }
  }
  std::error_code failed;
  fs::rename(temp, target, failed);
  if (failed) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    *error = "cannot write " + target.string() + ": " + failed.message();
    return false;
  }
  return true;
}

}  // namespace

bool WriteCompanion(const fs::path& base, CompanionReport* report, std::string* error) {
  fs::path folder = base.parent_path();
  if (folder.empty()) folder = ".";
  ErrorClass errors;
  MakeCrypto crypto(errors);
  Dictionary dictionary(crypto, errors, folder, SystemCaseMap);
  if (!dictionary.Initialize(base.filename().string())) {
    *error = "cannot load " + base.string();
    return false;
  }
  const std::optional<companion::BaseIdentity> identity = companion::IdentifyBase(base);
  if (!identity) {
    *error = "cannot read " + base.string();
    return false;
  }
  companion::Header header;
  header.baseSize = identity->size;
  header.baseHash = identity->hash;
  header.caseHash = companion::CaseHash(dictionary.CaseRules(1), dictionary.CaseRules(2));

  const std::vector<fs::path> folders = platform::SpellingFolders(folder);
  BaseForms forms(folders);
  const std::size_t headerSize = companion::EncodeHeader(header).size();
  std::string body;
  for (int side = 1; side <= 2; ++side) {
    SideWriter writer(dictionary, side, forms, folders);
    companion::SideParts& parts = header.sides[side - 1];
    body += writer.Write(headerSize + body.size(), &parts, &report->forms[side - 1]);
    report->languages[side - 1] =
        parts.cover == companion::FormsCover::kNoDictionary ? "" : parts.language;
  }
  const std::string file = companion::EncodeHeader(header) + body;
  report->bytes = file.size();
  return WriteFile(companion::CompanionPath(base), file, error);
}

}  // namespace vokabi::vkb
