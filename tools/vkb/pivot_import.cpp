#include "tools/vkb/pivot_import.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>

#include "app/system_case_map.h"
#include "platform/codepage.h"
#include "tools/vkb/transliteration.h"

namespace vokabi::vkb {
namespace {

constexpr int kWestern = 0;
constexpr int kCyrillic = 204;

// The code page that holds a pivot language's words, by its label (an ISO 639-1 code).
int PivotCharset(const std::string& label) {
  if (label == "pl" || label == "cs" || label == "hu") return 238;
  if (label == "el") return 161;
  if (label == "ru" || label == "bg" || label == "uk") return kCyrillic;
  return kWestern;
}

// Reads one database, saying what it read and what fitting it into the code pages changed.
bool Read(const std::string& database, int wordCharset, int termCharset,
          std::vector<ImportedEntry>* entries, std::string* error) {
  ImportReport report;
  if (!ImportDictd(database, CodePageFitter(wordCharset),
                   CodePageFitter(termCharset, DatabaseLanguage(database, 1)),
                   SystemCaseMap(wordCharset), entries, &report, error)) {
    return false;
  }
  std::cout << "  " << std::filesystem::path(database).filename().string() << ": "
            << entries->size() << " headwords from " << report.articles << " articles\n";
  const auto describe = [](const char* what, int charset, const FitReport& fit) {
    const std::string lines = fit.Describe();
    if (!lines.empty()) {
      std::cout << "  " << what << " in code page " << platform::CodePageForCharset(charset)
                << ":\n"
                << lines;
    }
  };
  describe("  headwords", wordCharset, report.headwords);
  describe("  translations", termCharset, report.texts);
  return true;
}

}  // namespace

bool AddPivotOption(const std::string& option, const std::string& value,
                    std::vector<PivotSource>* pivots, std::string* error) {
  const std::size_t equals = value.find('=');
  if (equals == 0 || equals == std::string::npos || equals + 1 == value.size()) {
    *error = option + " takes LABEL=DATABASE, not \"" + value + "\"";
    return false;
  }
  const std::string label = value.substr(0, equals);
  const std::string database = value.substr(equals + 1);
  auto pivot = std::find_if(pivots->begin(), pivots->end(),
                            [&](const PivotSource& p) { return p.label == label; });
  if (pivot == pivots->end()) pivot = pivots->insert(pivots->end(), {label, {}, {}, {}});
  if (option == "--via") {
    pivot->via.push_back(database);
  } else if (option == "--via-inverted") {
    pivot->viaInverted.push_back(database);
  } else {
    pivot->toBulgarian = database;
  }
  return true;
}

bool PivotsComplete(const std::vector<PivotSource>& pivots, std::string* error) {
  for (const PivotSource& pivot : pivots) {
    if (pivot.toBulgarian.empty() || (pivot.via.empty() && pivot.viaInverted.empty())) {
      *error = "pivot " + pivot.label + " needs --pivot and --via or --via-inverted";
      return false;
    }
  }
  return true;
}

bool ReadPivots(const std::vector<PivotSource>& sources, int headwordCharset,
                std::vector<Pivot>* pivots, std::string* error) {
  for (const PivotSource& source : sources) {
    std::cout << "pivot " << source.label << ":\n";
    Pivot pivot;
    pivot.label = source.label;
    pivot.charset = PivotCharset(source.label);
    for (const std::string& database : source.via) {
      if (!Read(database, headwordCharset, pivot.charset, &pivot.toPivot, error)) return false;
    }
    for (const std::string& database : source.viaInverted) {
      std::vector<ImportedEntry> entries;
      if (!Read(database, pivot.charset, headwordCharset, &entries, error)) return false;
      for (ImportedEntry& entry : InvertedEntries(entries, SystemCaseMap(headwordCharset)))
        pivot.toPivot.push_back(std::move(entry));
    }
    if (!Read(source.toBulgarian, pivot.charset, kCyrillic, &pivot.toBulgarian, error))
      return false;
    pivots->push_back(std::move(pivot));
  }
  return true;
}

std::vector<ImportedEntry> TriangulatedEntries(std::vector<Triangulated> triangulated) {
  // Each pivot's words are written in Cyrillic articles as their own language would write them
  // without its special letters.
  std::map<std::string, CodePageFitter> cyrillic;
  FitReport ignored;
  std::vector<ImportedEntry> entries;
  entries.reserve(triangulated.size());
  for (Triangulated& t : triangulated) {
    std::string article;
    for (const std::string& term : t.terms) {
      if (!article.empty()) article += ", ";
      article += term;
    }
    std::string via;
    for (const Triangulated::Via& v : t.via) {
      // Words that differ only in letters the Bulgarian code page lacks are shown once.
      const CodePageFitter& fitter =
          cyrillic.try_emplace(v.label, kCyrillic, v.label).first->second;
      std::vector<std::string> words;
      for (const std::string& word : v.words) {
        std::string written = fitter.Fit(platform::DecodeCharset(v.charset, word).utf8, &ignored);
        if (std::find(words.begin(), words.end(), written) == words.end())
          words.push_back(std::move(written));
      }
      if (!via.empty()) via += "; ";
      via += v.label + ":";
      for (std::size_t i = 0; i < words.size(); ++i) via += (i == 0 ? " " : ", ") + words[i];
    }
    article += "\r\n" + via;
    entries.push_back({std::move(t.headword), std::move(article), std::move(t.terms)});
  }
  return entries;
}

}  // namespace vokabi::vkb
