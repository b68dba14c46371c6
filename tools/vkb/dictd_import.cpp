#include "tools/vkb/dictd_import.h"

#include <unordered_map>

#include "tools/vkb/article_cleaner.h"
#include "tools/vkb/dictd_database.h"

namespace vokabi::vkb {
namespace {

// Beyond this a derived translation stops listing headwords; a body must stay under 32 KB.
constexpr std::size_t kMaxDerivedTranslation = 30000;

// A base cannot hold "#", "$" or control characters in a headword; a term needs a letter.
bool Storable(const std::string& bytes) {
  bool letter = false;
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x20 || c == '#' || c == '$') return false;
    letter = letter || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0xC0;
  }
  return letter;
}

std::string Folded(const std::string& bytes, const CaseMap& caseMap) {
  std::string folded(bytes);
  for (char& c : folded) c = static_cast<char>(caseMap.upper[static_cast<unsigned char>(c)]);
  return folded;
}

}  // namespace

bool ImportDictd(const std::filesystem::path& database, const CodePageFitter& words,
                 const CodePageFitter& texts, const CaseMap& wordCase,
                 std::vector<ImportedEntry>* entries, ImportReport* report, std::string* error) {
  std::vector<DictdArticle> articles;
  if (!ReadDictd(database, &articles, error)) return false;
  report->articles += articles.size();
  std::unordered_map<std::string, std::size_t> byHeadword;
  FitReport termReport;  // terms repeat the article's text, so they are not counted twice
  for (const DictdArticle& source : articles) {
    CleanArticle article = CleanDictdArticle(source.text, source.key);
    const std::string headword = words.Fit(article.written, &report->headwords);
    if (!Storable(headword)) {
      ++report->unusable;
      continue;
    }
    report->texts.counts[FitReport::kPhonetic] += article.phonetic;
    std::string text = texts.Fit(article.text, &report->texts);
    if (text.find_first_not_of(' ') == std::string::npos) text = "-";
    std::vector<std::string> terms;
    for (const auto& t : article.terms) {
      std::string term = texts.Fit(t, &termReport);
      if (Storable(term)) terms.push_back(std::move(term));
    }
    const auto [it, added] = byHeadword.emplace(Folded(headword, wordCase), entries->size());
    if (added) {
      entries->push_back({headword, std::move(text), std::move(terms)});
      continue;
    }
    ImportedEntry& entry = (*entries)[it->second];
    entry.translation += "\r\n\r\n" + text;
    for (auto& t : terms) entry.terms.push_back(std::move(t));
  }
  return true;
}

std::vector<SideEntry> InvertEntries(const std::vector<ImportedEntry>& entries,
                                     const CaseMap& termCase) {
  std::vector<SideEntry> inverted;
  std::unordered_map<std::string, std::size_t> byTerm;
  std::vector<std::vector<const std::string*>> sources;
  for (const ImportedEntry& entry : entries) {
    for (const std::string& term : entry.terms) {
      const auto [it, added] = byTerm.emplace(Folded(term, termCase), inverted.size());
      if (added) {
        inverted.push_back({term, {}});
        sources.emplace_back();
      }
      auto& list = sources[it->second];
      if (list.empty() || list.back() != &entry.headword) list.push_back(&entry.headword);
    }
  }
  for (std::size_t i = 0; i < inverted.size(); ++i) {
    std::string& translation = inverted[i].translation;
    for (const std::string* headword : sources[i]) {
      if (translation.size() + headword->size() > kMaxDerivedTranslation) {
        translation += ", ...";
        break;
      }
      if (!translation.empty()) translation += ", ";
      translation += *headword;
    }
  }
  return inverted;
}

}  // namespace vokabi::vkb
