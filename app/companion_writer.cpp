#include "app/companion_writer.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <system_error>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "app/companion_format.h"
#include "app/companion_forms.h"
#include "app/error_class.h"
#include "app/lookup_help.h"
#include "app/near_misses.h"
#include "app/system_case_map.h"
#include "engine/dictionary.h"
#include "engine/make_crypto.h"
#include "platform/codepage.h"
#include "platform/spelling_folders.h"

namespace vokabi {
namespace {

namespace fs = std::filesystem;
using companion::BucketTableWriter;

// Records per bucket, about: a bucket is read whole for one key.
constexpr std::size_t kPairsPerBucket = 32;

std::string Folded(std::string_view word, const std::array<unsigned char, 256>& table) {
  std::string folded(word);
  for (char& c : folded) c = static_cast<char>(table[static_cast<unsigned char>(c)]);
  return folded;
}

// The parts of one side, laid out from `offset` on; the side's header fields are filled in.
class SideWriter {
 public:
  SideWriter(const fs::path& base, Dictionary& dictionary, int side,
             const std::vector<fs::path>& folders)
      : base_(base), dictionary_(dictionary), side_(side), folders_(folders) {}

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
    std::vector<std::string> folded;
    folded.reserve(numbered.size());
    for (const std::string_view headword : numbered)
      folded.push_back(Folded(headword, rules.lower));
    const std::string stringArea = companion::HeadwordNumbers::Layout(numbered);

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

    FormTables forms = WriteFormTables(base_, dictionary_, side_, folders_, parts);
    *formCount = forms.forms;

    std::string out;
    parts->headwords = offset;
    out += headwordTable.Layout();
    parts->roots = offset + out.size();
    out += forms.roots.Layout();
    parts->exceptions = offset + out.size();
    out += forms.exceptions.Layout();
    parts->deletions = offset + out.size();
    out += deletionTable.Layout();
    parts->strings = offset + out.size();
    parts->stringsSize = stringArea.size();
    out += stringArea;
    return out;
  }

 private:
  const fs::path& base_;
  Dictionary& dictionary_;
  const int side_;
  const std::vector<fs::path>& folders_;
};

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
  const std::size_t headerSize = companion::EncodeHeader(header).size();
  std::string body;
  for (int side = 1; side <= 2; ++side) {
    SideWriter writer(base, dictionary, side, folders);
    companion::SideParts& parts = header.sides[side - 1];
    body += writer.Write(headerSize + body.size(), &parts, &report->forms[side - 1]);
    report->languages[side - 1] =
        parts.cover == companion::FormsCover::kNoDictionary ? "" : parts.language;
  }
  const std::string file = companion::EncodeHeader(header) + body;
  report->bytes = file.size();
  return WriteAtomically(companion::CompanionPath(base), file, error);
}

// Writes beside the target and renames, so a failed write never leaves half a file.
bool WriteAtomically(const fs::path& target, const std::string& bytes, std::string* error) {
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

}  // namespace vokabi
