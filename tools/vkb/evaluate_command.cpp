#include <algorithm>
#include <cstdio>
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
constexpr int kLargestK = 3;

struct EvaluateArgs {
  std::vector<PivotSource> pivots;
  std::string reference;
  int charset = 0;
  int sample = 1;
  int minPrecision = -1;  // per cent, at minPrecisionK
  int minPrecisionK = 1;
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
      const auto percent = ParseNumber(value.substr(0, at), 0, 100);
      const auto k =
          at == std::string::npos ? std::nullopt : ParseNumber(value.substr(at + 1), 1, kLargestK);
      if (!percent || !k) {
        *error = "--min-precision takes P@K, P per cent and K from 1 to 3";
        return false;
      }
      out->minPrecision = static_cast<int>(*percent);
      out->minPrecisionK = static_cast<int>(*k);
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
      Triangulate(pivots, 1, headwordCase, SystemCaseMap(0), bulgarianCase);
  std::vector<std::pair<std::string, const Triangulated*>> shared;
  for (const Triangulated& t : derived) {
    std::string key = Folded(t.headword, headwordCase);
    const auto found = real.find(key);
    if (found != real.end() && !found->second.empty()) shared.emplace_back(std::move(key), &t);
  }
  std::sort(shared.begin(), shared.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });

  std::size_t headwords = 0;
  std::size_t realPairs = 0;
  std::size_t derivedPairs[kLargestK] = {};
  std::size_t correct[kLargestK] = {};
  std::size_t kept[kLargestK] = {};  // headwords left with a term
  for (std::size_t i = 0; i < shared.size(); i += static_cast<std::size_t>(evaluate.sample)) {
    const auto& terms = real.at(shared[i].first);
    const Triangulated& t = *shared[i].second;
    ++headwords;
    realPairs += terms.size();
    for (int k = 1; k <= kLargestK; ++k)
      if (!t.reachedBy.empty() && t.reachedBy.front() >= k) ++kept[k - 1];
    for (std::size_t j = 0; j < t.terms.size(); ++j) {
      const bool right = terms.contains(Folded(t.terms[j], bulgarianCase));
      for (int k = 1; k <= std::min(t.reachedBy[j], kLargestK); ++k) {
        ++derivedPairs[k - 1];
        if (right) ++correct[k - 1];
      }
    }
  }

  std::cout << "\n"
            << headwords << " headwords both have, " << realPairs << " pairs in the reference\n\n"
            << "| k | headwords kept | derived pairs | correct | precision | recall |\n"
            << "|---|---:|---:|---:|---:|---:|\n";
  for (int k = 1; k <= kLargestK; ++k) {
    std::cout << "| " << k << " | " << kept[k - 1] << " | " << derivedPairs[k - 1] << " | "
              << correct[k - 1] << " | " << Percent(correct[k - 1], derivedPairs[k - 1]) << " | "
              << Percent(correct[k - 1], realPairs) << " |\n";
  }
  if (evaluate.minPrecision >= 0) {
    const std::size_t k = static_cast<std::size_t>(evaluate.minPrecisionK - 1);
    if (100 * correct[k] < static_cast<std::size_t>(evaluate.minPrecision) * derivedPairs[k] ||
        derivedPairs[k] == 0) {
      std::cerr << "vkb evaluate: precision at k = " << evaluate.minPrecisionK << " is below "
                << evaluate.minPrecision << "%\n";
      return kExitFailed;
    }
  }
  return kExitOk;
}

}  // namespace vokabi::vkb
