#include "tools/vkb/dictd_import.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <unordered_map>

#include "tools/vkb/dictd_database.h"

namespace vokabi::vkb {
namespace {

// Beyond this a derived translation stops listing headwords; a body must stay under 32 KB.
constexpr std::size_t kMaxDerivedTranslation = 30000;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find('\n', from)) != std::string::npos; from = at + 1) {
    lines.push_back(text.substr(from, at - from));
  }
  lines.push_back(text.substr(from));
  for (auto& line : lines) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
  }
  return lines;
}

std::string Trim(const std::string& s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// [[target|shown]] reads as shown, [[word]] as word.
std::string WithoutLinks(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t open = s.find("[[", i);
    const std::size_t close = open == std::string::npos ? open : s.find("]]", open + 2);
    if (close == std::string::npos) {
      out += s.substr(i);
      break;
    }
    out += s.substr(i, open - i);
    const std::string link = s.substr(open + 2, close - open - 2);
    const std::size_t bar = link.rfind('|');
    out += bar == std::string::npos ? link : link.substr(bar + 1);
    i = close + 2;
  }
  return out;
}

// Lower-case letters and digits only: how dictd keys a headword.
std::string SearchKey(const std::string& utf8) {
  std::string key;
  const auto* s = reinterpret_cast<const std::uint8_t*>(utf8.data());
  const auto length = static_cast<std::int32_t>(utf8.size());
  for (std::int32_t i = 0; i < length;) {
    UChar32 c = 0;
    U8_NEXT(s, i, length, c);
    if (c < 0 || !u_isalnum(c)) continue;
    char buffer[4];
    std::int32_t n = 0;
    [[maybe_unused]] UBool failed = false;
    U8_APPEND(buffer, n, 4, u_tolower(c), failed);
    key.append(buffer, static_cast<std::size_t>(n));
  }
  return key;
}

// A sense line: digits, a full stop and a space.
bool SenseNumber(const std::string& line, std::size_t* textStart) {
  std::size_t i = 0;
  while (i < line.size() && line[i] >= '0' && line[i] <= '9') ++i;
  if (i == 0 || line.compare(i, 2, ". ") != 0) return false;
  *textStart = i + 2;
  return true;
}

// Terms of one translation line: comma-separated outside parentheses, parentheses left out.
std::vector<std::string> Terms(std::string line) {
  // A sense number run into the line ("бяг 2.") is not part of it.
  const std::size_t space = line.rfind(' ');
  if (space != std::string::npos && line.size() > space + 2 && line.back() == '.' &&
      line.find_first_not_of("0123456789", space + 1) == line.size() - 1) {
    line.erase(space);
  }
  std::vector<std::string> terms;
  std::string term;
  int depth = 0;
  for (const char c : line) {
    if (c == '(') {
      ++depth;
    } else if (c == ')') {
      depth = depth > 0 ? depth - 1 : 0;
    } else if (c == ',' && depth == 0) {
      terms.push_back(term);
      term.clear();
    } else if (depth == 0) {
      term += c;
    }
  }
  terms.push_back(term);
  std::vector<std::string> kept;
  for (auto& t : terms) {
    std::string collapsed;
    for (const char c : Trim(t)) {
      if (!(c == ' ' && !collapsed.empty() && collapsed.back() == ' ')) collapsed += c;
    }
    if (!collapsed.empty()) kept.push_back(collapsed);
  }
  return kept;
}

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

struct Article {
  std::string written;  // headword as the article writes it
  std::string text;     // UTF-8, CR LF lines
  std::vector<std::string> terms;
  std::size_t phonetic = 0;
};

Article ParseArticle(const DictdArticle& source) {
  Article article;
  const std::vector<std::string> lines = Lines(source.text);
  const std::string& header = lines.front();
  std::size_t end = std::min(header.find(" /"), header.find(" <"));
  article.written = Trim(header.substr(0, end));
  if (article.written.empty() || SearchKey(article.written) != SearchKey(source.key)) {
    article.written = source.key;
  }
  const std::size_t open = header.rfind('<');
  const std::size_t close = header.rfind('>');
  const bool hasPos = open != std::string::npos && close != std::string::npos && close > open &&
                      (end == std::string::npos || open >= end);
  if (end != std::string::npos) {
    const std::string pronunciation = header.substr(end, (hasPos ? open : header.size()) - end);
    for (const char c : pronunciation) {
      if (c != ' ' && c != '/' && (static_cast<unsigned char>(c) & 0xC0) != 0x80)
        ++article.phonetic;
    }
  }
  std::vector<std::string> body;
  if (hasPos) body.push_back(header.substr(open, close - open + 1));
  bool numbered = false;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (Trim(lines[i]).empty()) continue;
    body.push_back(WithoutLinks(lines[i]));
    std::size_t start = 0;
    numbered = numbered || SenseNumber(lines[i], &start);
  }
  bool first = true;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (Trim(lines[i]).empty()) continue;
    std::size_t start = 0;
    const bool sense = SenseNumber(lines[i], &start);
    if (sense || (!numbered && first)) {
      for (auto& t : Terms(WithoutLinks(lines[i].substr(start))))
        article.terms.push_back(std::move(t));
    }
    first = false;
  }
  for (std::size_t i = 0; i < body.size(); ++i) {
    if (i > 0) article.text += "\r\n";
    article.text += body[i];
  }
  return article;
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
    Article article = ParseArticle(source);
    const std::string headword = words.Fit(article.written, &report->headwords);
    if (!Storable(headword)) {
      ++report->unusable;
      continue;
    }
    report->texts.counts[FitReport::kPhonetic] += article.phonetic;
    std::string text = texts.Fit(article.text, &report->texts);
    if (Trim(text).empty()) text = "-";
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
