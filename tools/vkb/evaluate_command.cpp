#include <algorithm>
#include <bit>
#include <cstdio>
#include <functional>
#include <iostream>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "app/system_case_map.h"
#include "tools/vkb/arguments.h"
#include "tools/vkb/pivot_import.h"
#include "tools/vkb/triangulation.h"
#include "tools/vkb/vkb.h"

namespace vokabi::vkb {
namespace {

constexpr int kCyrillic = 204;
constexpr int kLargestK = 4;

struct EvaluateArgs {
  std::vector<PivotSource> pivots;
  std::string reference;
  int charset = 0;
  int sample = 1;
  int minPrecision = -1;  // per cent, at minPrecisionK
  int minPrecisionK = 1;
  bool minWithConfirmed = false;  // P@K+: at k = K with the terms one language confirms
};

bool ParseEvaluateArgs(const Args& args, EvaluateArgs* out, std::string* error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    if (i + 1 >= args.size()) {
      *error = name + " needs a value";
      return false;
    }
    const std::string& value = args[++i];
    if (name == "--via" || name == "--via-inverted" || name == "--pivot") {
      if (!AddPivotOption(name, value, &out->pivots, error)) return false;
    } else if (name == "--reference") {
      out->reference = value;
    } else if (name == "--charset") {
      const auto charset = ParseNumber(value, 0, 255);
      if (!charset) {
        *error = "--charset takes a number 0 to 255";
        return false;
      }
      out->charset = static_cast<int>(*charset);
    } else if (name == "--sample") {
      const auto every = ParseNumber(value, 1, 1000000);
      if (!every) {
        *error = "--sample takes a number from 1";
        return false;
      }
      out->sample = static_cast<int>(*every);
    } else if (name == "--min-precision") {
      const std::size_t at = value.find('@');
      const bool plus = !value.empty() && value.back() == '+';
      const auto percent = ParseNumber(value.substr(0, at), 0, 100);
      const auto k = at == std::string::npos
                         ? std::nullopt
                         : ParseNumber(value.substr(at + 1, value.size() - at - 1 - (plus ? 1 : 0)),
                                       1, kLargestK);
      if (!percent || !k) {
        *error = "--min-precision takes P@K or P@K+, P per cent and K from 1 to 4";
        return false;
      }
      out->minPrecision = static_cast<int>(*percent);
      out->minPrecisionK = static_cast<int>(*k);
      out->minWithConfirmed = plus;
    } else {
      *error = "unknown option " + name;
      return false;
    }
  }
  if (out->pivots.empty() || out->reference.empty()) {
    *error = "usage: vkb evaluate --via L=DB --pivot L=DB ... --reference DB";
    return false;
  }
  return PivotsComplete(out->pivots, error);
}

std::string Folded(const std::string& bytes, const CaseMap& caseMap) {
  std::string folded(bytes);
  for (char& c : folded) c = static_cast<char>(caseMap.upper[static_cast<unsigned char>(c)]);
  return folded;
}

std::string Percent(std::size_t part, std::size_t whole) {
  char text[16];
  std::snprintf(text, sizeof text, "%.1f%%", whole == 0 ? 0.0 : 100.0 * part / whole);
  return text;
}

}  // namespace

int RunEvaluate(const Args& args) {
  EvaluateArgs evaluate;
  std::string error;
  if (!ParseEvaluateArgs(args, &evaluate, &error)) return UsageError(error);
  const CaseMap headwordCase = SystemCaseMap(evaluate.charset);
  const CaseMap bulgarianCase = SystemCaseMap(kCyrillic);

  std::vector<Pivot> pivots;
  if (!ReadPivots(evaluate.pivots, evaluate.charset, &pivots, &error)) {
    std::cerr << "vkb evaluate: " << error << '\n';
    return kExitFailed;
  }
  std::vector<ImportedEntry> reference;
  ImportReport report;
  if (!ImportDictd(evaluate.reference, CodePageFitter(evaluate.charset), CodePageFitter(kCyrillic),
                   headwordCase, &reference, &report, &error)) {
    std::cerr << "vkb evaluate: " << error << '\n';
    return kExitFailed;
  }
  // The matching rule: lower case (compared folded), stress marks removed (by the fitting).
  std::unordered_map<std::string, std::unordered_set<std::string>> real;
  for (const ImportedEntry& entry : reference) {
    auto& terms = real[Folded(entry.headword, headwordCase)];
    for (const std::string& term : entry.terms) terms.insert(Folded(term, bulgarianCase));
  }

  // Headwords both have: derived through any pivot and translated by the reference.
  std::vector<Triangulated> derived =
      Triangulate(pivots, 1, true, headwordCase, SystemCaseMap, bulgarianCase);
  std::vector<std::pair<std::string, const Triangulated*>> shared;
  for (const Triangulated& t : derived) {
    std::string key = Folded(t.headword, headwordCase);
    const auto found = real.find(key);
    if (found != real.end() && !found->second.empty()) shared.emplace_back(std::move(key), &t);
  }
  std::sort(shared.begin(), shared.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });

  // One row per way of choosing the kept terms.
  struct Row {
    std::string name;
    std::function<bool(const Triangulated&, std::size_t)> keeps;
    std::size_t kept = 0;  // headwords left with a term
    std::size_t derived = 0;
    std::size_t correct = 0;
  };
  std::vector<Row> rows;
  for (int k = 1; k <= kLargestK; ++k) {
    rows.push_back({"k = " + std::to_string(k),
                    [k](const Triangulated& t, std::size_t j) { return t.reachedBy[j] >= k; }});
  }
  rows.push_back(
      {"one language confirms (k = 1, confirmed)",
       [](const Triangulated& t, std::size_t j) { return t.reachedBy[j] == 1 && t.confirmed[j]; }});
  for (int k = 2; k <= 3; ++k) {
    rows.push_back(
        {"k = " + std::to_string(k) + " or confirmed", [k](const Triangulated& t, std::size_t j) {
           return t.reachedBy[j] >= k || t.confirmed[j];
         }});
  }
  const std::size_t firstPivotRow = rows.size();
  for (std::size_t p = 0; p < pivots.size() && p < 32; ++p) {
    const unsigned bit = 1u << p;
    rows.push_back(
        {pivots[p].label + " alone (k = 1)",
         [bit](const Triangulated& t, std::size_t j) { return (t.pivotsOf[j] & bit) != 0; }});
    rows.push_back({pivots[p].label + " among k = 2", [bit](const Triangulated& t, std::size_t j) {
                      return (t.pivotsOf[j] & bit) != 0 && t.reachedBy[j] >= 2;
                    }});
    rows.push_back(
        {"k = 2 without " + pivots[p].label, [bit](const Triangulated& t, std::size_t j) {
           return std::popcount(t.pivotsOf[j] & ~bit) >= 2;
         }});
  }

  std::size_t headwords = 0;
  std::size_t realPairs = 0;
  for (std::size_t i = 0; i < shared.size(); i += static_cast<std::size_t>(evaluate.sample)) {
    const auto& terms = real.at(shared[i].first);
    const Triangulated& t = *shared[i].second;
    ++headwords;
    realPairs += terms.size();
    for (Row& row : rows) {
      bool any = false;
      for (std::size_t j = 0; j < t.terms.size(); ++j) {
        if (!row.keeps(t, j)) continue;
        any = true;
        ++row.derived;
        if (terms.contains(Folded(t.terms[j], bulgarianCase))) ++row.correct;
      }
      if (any) ++row.kept;
    }
  }

  std::cout << "\n"
            << headwords << " headwords both have, " << realPairs << " pairs in the reference\n\n"
            << "| terms kept | headwords kept | derived pairs | correct | precision | recall |\n"
            << "|---|---:|---:|---:|---:|---:|\n";
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (r == firstPivotRow) std::cout << "| by pivot language | | | | | |\n";
    const Row& row = rows[r];
    std::cout << "| " << row.name << " | " << row.kept << " | " << row.derived << " | "
              << row.correct << " | " << Percent(row.correct, row.derived) << " | "
              << Percent(row.correct, realPairs) << " |\n";
  }
  if (evaluate.minPrecision >= 0) {
    const int k = evaluate.minPrecisionK;
    const Row& row = evaluate.minWithConfirmed && k >= 2 && k <= 3
                         ? rows[static_cast<std::size_t>(kLargestK + 1 + k - 2)]
                         : rows[static_cast<std::size_t>(k - 1)];
    if (100 * row.correct < static_cast<std::size_t>(evaluate.minPrecision) * row.derived ||
        row.derived == 0) {
      std::cerr << "vkb evaluate: precision with " << row.name << " is below "
                << evaluate.minPrecision << "%\n";
      return kExitFailed;
    }
  }
  return kExitOk;
}

}  // namespace vokabi::vkb
