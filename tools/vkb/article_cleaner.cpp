#include "tools/vkb/article_cleaner.h"

#include <unicode/uchar.h>
#include <unicode/unorm2.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cctype>
#include <unordered_set>

namespace vokabi::vkb {
namespace {

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find('\n', from)) != std::string_view::npos; from = at + 1) {
    lines.emplace_back(text.substr(from, at - from));
  }
  lines.emplace_back(text.substr(from));
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

std::string Collapsed(const std::string& s) {
  std::string out;
  for (const char c : Trim(s)) {
    if (!(c == ' ' && !out.empty() && out.back() == ' ')) out += c;
  }
  return out;
}

// [[target|shown]] reads as shown, [[word]] as word.
std::string WithoutWikiLinks(const std::string& s) {
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

bool StartsAddress(const std::string& s, std::size_t at) {
  return s.compare(at, 7, "http://") == 0 || s.compare(at, 8, "https://") == 0 ||
         s.compare(at, 4, "www.") == 0;
}

// [http://address caption] reads as its caption; a bare address goes.
std::string WithoutAddresses(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size();) {
    if (s[i] == '[' && StartsAddress(s, i + 1)) {
      const std::size_t close = s.find(']', i);
      const std::size_t space = s.find(' ', i);
      if (close != std::string::npos) {
        if (space != std::string::npos && space < close)
          out += s.substr(space + 1, close - space - 1);
        i = close + 1;
        continue;
      }
    }
    if (StartsAddress(s, i) && (i == 0 || s[i - 1] == ' ' || s[i - 1] == '(')) {
      while (i < s.size() && s[i] != ' ' && s[i] != ')') ++i;
      continue;
    }
    out += s[i++];
  }
  return out;
}

// Template leftovers: "{{…}}" goes whole; an unmatched "}}" takes a run-together template
// argument before it ("t2=;|trans.}}") along.
std::string WithoutTemplates(std::string s) {
  for (std::size_t open; (open = s.find("{{")) != std::string::npos;) {
    const std::size_t close = s.find("}}", open + 2);
    s.erase(open, close == std::string::npos ? 2 : close + 2 - open);
  }
  for (std::size_t close; (close = s.find("}}")) != std::string::npos;) {
    std::size_t from = close;
    while (from > 0 && s[from - 1] != ' ') --from;
    const std::string_view word(s.data() + from, close - from);
    if (word.find_first_of("=|") == std::string_view::npos) from = close;
    s.erase(from, close + 2 - from);
  }
  return s;
}

// A link bracket left unmatched ("[[bevibile]").
std::string WithoutStrayBrackets(std::string s) {
  for (const char* bracket : {"[[", "]]"}) {
    for (std::size_t at; (at = s.find(bracket)) != std::string::npos;) s.erase(at, 2);
  }
  return s;
}

std::string WithoutMarkup(const std::string& line) {
  return Collapsed(
      WithoutStrayBrackets(WithoutTemplates(WithoutAddresses(WithoutWikiLinks(line)))));
}

// Lower-case letters and digits only: how dictd keys a headword.
std::string SearchKey(std::string_view utf8) {
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

bool Digits(std::string_view s) {
  return !s.empty() && s.size() <= 2 &&
         std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A sense line: digits, a full stop and a space; *number is "3." and *rest what follows.
bool SenseLine(const std::string& line, std::string* number, std::string* rest) {
  std::size_t i = 0;
  while (i < line.size() && line[i] >= '0' && line[i] <= '9') ++i;
  if (i == 0 || i > 2 || line.compare(i, 2, ". ") != 0) return false;
  *number = line.substr(0, i + 1);
  *rest = line.substr(i + 2);
  return true;
}

// A number standing alone ("3.") is the next sense, whose line follows.
bool LoneNumber(const std::string& line) {
  return line.size() >= 2 && line.back() == '.' &&
         Digits(std::string_view(line).substr(0, line.size() - 1));
}

// "къща, дом 2." carries the next sense's number at its end: cut it off into *next.
void CutTrailingNumber(std::string* line, std::string* next) {
  const std::size_t space = line->rfind(' ');
  if (space == std::string::npos || !LoneNumber(line->substr(space + 1))) return;
  *next = line->substr(space + 1);
  line->erase(space);
  *line = Collapsed(*line);
}

// Comma-separated parts outside parentheses.
std::vector<std::string> Parts(const std::string& line) {
  std::vector<std::string> parts;
  std::string part;
  int depth = 0;
  for (const char c : line) {
    if (c == '(') ++depth;
    if (c == ')') depth = depth > 0 ? depth - 1 : 0;
    if (c == ',' && depth == 0) {
      parts.push_back(Collapsed(part));
      part.clear();
    } else {
      part += c;
    }
  }
  parts.push_back(Collapsed(part));
  return parts;
}

// The line with every term that repeats an earlier one left out.
std::string DistinctTermsLine(const std::string& line) {
  std::unordered_set<std::string> seen;
  std::string out;
  for (const std::string& part : Parts(line)) {
    if (part.empty() || !seen.insert(TermKey(part)).second) continue;
    if (!out.empty()) out += ", ";
    out += part;
  }
  return out;
}

struct Label {
  const char* tag;
  const char* shown;
};

constexpr Label kLabels[] = {
    {"n", "n."},
    {"v", "v."},
    {"adj", "adj."},
    {"adv", "adv."},
    {"adverb", "adv."},
    {"pn", "prop. n."},
    {"sg", "sg."},
    {"sg only", "sg."},
    {"pl", "pl."},
    {"masc", "m."},
    {"m", "m."},
    {"fem", "f."},
    {"f", "f."},
    {"neut", "neut."},
    {"ut", "common"},
    {"trans", "tr."},
    {"intr", "intr."},
    {"refl", "refl."},
    {"interjection", "interj."},
    {"int", "interj."},
    {"inter", "interj."},
    {"preposition", "prep."},
    {"prep", "prep."},
    {"postposition", "postp."},
    {"numeral", "num."},
    {"num", "num."},
    {"pronoun", "pron."},
    {"pron", "pron."},
    {"pers", "pers."},
    {"rel", "rel."},
    {"conjunction", "conj."},
    {"conj", "conj."},
    {"abbreviation", "abbr."},
    {"acronym", "abbr."},
    {"particle", "part."},
    {"ptcl", "part."},
    {"article", "art."},
    {"art", "art."},
    {"determiner", "det."},
    {"phraseologicalunit", "phr."},
    {"idiom", "idiom"},
    {"proverb", "proverb"},
    {"suffix", "suffix"},
    {"prefix", "prefix"},
    {"affix", "affix"},
    {"letter", "letter"},
    {"symbol", "symbol"},
    {"modal", "modal v."},
    {"collective", "coll."},
};

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string OneLabel(const std::string& tag) {
  const std::string lower = Lower(tag);
  for (const Label& label : kLabels) {
    if (lower == label.tag) return label.shown;
  }
  // FreeDict's longer names: cardinalNumeral, possessivePronoun, ordinalAdjective …
  const auto endsWith = [&](std::string_view end) {
    return lower.size() > end.size() &&
           lower.compare(lower.size() - end.size(), end.size(), end) == 0;
  };
  if (endsWith("numeral") || lower == "ordinaladjective" || lower == "numeralfraction")
    return "num.";
  if (endsWith("pronoun") || lower == "possessiveadjective") return "pron.";
  if (endsWith("adverb")) return "adv.";
  if (endsWith("adjective")) return "adj.";
  return lower.empty() || lower.back() == '.' ? lower : lower + ".";
}

// A part-of-speech tag inside a line, "<n>" or "<n, fem>": letters, spaces and commas only.
bool TagAt(const std::string& s, std::size_t open, std::size_t* close) {
  const std::size_t end = s.find('>', open + 1);
  if (end == std::string::npos || end == open + 1) return false;
  for (std::size_t i = open + 1; i < end; ++i) {
    const char c = s[i];
    if (!std::isalpha(static_cast<unsigned char>(c)) && c != ',' && c != ' ') return false;
  }
  *close = end;
  return true;
}

// Tags shown as their labels ("house n."), or left out.
std::string Tagged(const std::string& s, bool labels) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    std::size_t close = 0;
    if (s[i] == '<' && TagAt(s, i, &close)) {
      if (labels) out += PartOfSpeechLabel(std::string_view(s).substr(i + 1, close - i - 1));
      i = close;
      continue;
    }
    out += s[i];
  }
  return Collapsed(out);
}

// A term without its tags and without a subject label in brackets before it ("[adm.]").
std::string BareTerms(const std::string& line) {
  std::string out;
  for (const std::string& part : Parts(Tagged(line, false))) {
    std::string term = part;
    while (!term.empty() && term.front() == '[') {
      const std::size_t close = term.find(']');
      if (close == std::string::npos) break;
      term = Collapsed(term.substr(close + 1));
    }
    if (term.empty()) continue;
    if (!out.empty()) out += ", ";
    out += term;
  }
  return out;
}

}  // namespace

std::string TermKey(std::string_view utf8) {
  std::string key;
  UErrorCode status = U_ZERO_ERROR;
  const UNormalizer2* nfd = unorm2_getNFDInstance(&status);
  const auto* s = reinterpret_cast<const std::uint8_t*>(utf8.data());
  const auto length = static_cast<std::int32_t>(utf8.size());
  for (std::int32_t i = 0; i < length;) {
    UChar32 c = 0;
    U8_NEXT(s, i, length, c);
    if (c < 0) continue;
    UChar parts[8];
    status = U_ZERO_ERROR;
    std::int32_t n = nfd == nullptr ? 0 : unorm2_getDecomposition(nfd, c, parts, 8, &status);
    if (U_FAILURE(status) || n <= 0) {
      parts[0] = 0;
      n = 0;
    }
    const auto put = [&](UChar32 u) {
      if (u_charType(u) == U_NON_SPACING_MARK) return;
      char buffer[4];
      std::int32_t k = 0;
      [[maybe_unused]] UBool failed = false;
      U8_APPEND(buffer, k, 4, u_tolower(u), failed);
      key.append(buffer, static_cast<std::size_t>(k));
    };
    if (n == 0) {
      put(c);
      continue;
    }
    for (std::int32_t k = 0; k < n;) {
      UChar32 u = 0;
      U16_NEXT(parts, k, n, u);
      put(u);
    }
  }
  return key;
}

std::string PartOfSpeechLabel(std::string_view tags) {
  std::string out;
  std::size_t from = 0;
  while (from <= tags.size()) {
    std::size_t comma = tags.find(',', from);
    if (comma == std::string_view::npos) comma = tags.size();
    const std::string tag = Collapsed(std::string(tags.substr(from, comma - from)));
    if (!tag.empty()) {
      if (!out.empty()) out += ", ";
      out += OneLabel(tag);
    }
    from = comma + 1;
  }
  return out;
}

std::vector<std::string> TranslationTerms(const std::string& line) {
  std::vector<std::string> terms;
  for (const std::string& part : Parts(line)) {
    std::string term;
    int depth = 0;
    for (const char c : part) {
      if (c == '(') ++depth;
      if (depth == 0) term += c;
      if (c == ')') depth = depth > 0 ? depth - 1 : 0;
    }
    term = Collapsed(term);
    if (!term.empty()) terms.push_back(std::move(term));
  }
  return terms;
}

CleanArticle CleanDictdArticle(std::string_view text, const std::string& key) {
  CleanArticle article;
  const std::vector<std::string> lines = Lines(text);
  const std::string& header = lines.front();
  const std::size_t end = std::min(header.find(" /"), header.find(" <"));
  article.written = Trim(header.substr(0, end));
  if (article.written.empty() || SearchKey(article.written) != SearchKey(key)) {
    article.written = key;
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

  std::vector<std::string> shown;
  if (hasPos) {
    const std::string label =
        PartOfSpeechLabel(std::string_view(header).substr(open + 1, close - open - 1));
    if (!label.empty()) shown.push_back(label);
  }
  std::vector<std::string> body;
  bool numbered = false;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    body.push_back(WithoutMarkup(lines[i]));
    std::string number, rest;
    numbered = numbered || SenseLine(body.back(), &number, &rest);
  }
  // FreeDict runs the next number into a line's end or puts it alone on a line of its own; every
  // number is moved to the start of the line it belongs to, and the numbers counted afresh.
  int senses = 0;
  bool pending = false;
  bool first = true;
  for (std::string& line : body) {
    if (line.empty()) continue;
    if (LoneNumber(line)) {
      pending = true;
      continue;
    }
    std::string number, rest;
    const bool sense = SenseLine(line, &number, &rest);
    std::string shownText = sense ? rest : line;
    bool numberHere = sense || pending;
    const bool translation = sense || (!numbered && first);
    pending = false;
    if (numberHere || translation) {
      std::string next;
      CutTrailingNumber(&shownText, &next);
      pending = !next.empty();
      // "абажур 2." is the first of numbered senses, though FreeDict wrote no 1.
      numberHere = numberHere || pending;
    }
    if (translation) {
      shownText = DistinctTermsLine(shownText);
      for (auto& t : TranslationTerms(BareTerms(shownText))) article.terms.push_back(std::move(t));
    }
    shownText = Tagged(shownText, true);
    first = false;
    if (shownText.empty()) continue;
    shown.push_back(numberHere ? std::to_string(++senses) + ". " + shownText : shownText);
  }
  std::unordered_set<std::string> seen;
  std::erase_if(article.terms,
                [&](const std::string& t) { return !seen.insert(TermKey(t)).second; });
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (i > 0) article.text += "\r\n";
    article.text += shown[i];
  }
  return article;
}

}  // namespace vokabi::vkb
