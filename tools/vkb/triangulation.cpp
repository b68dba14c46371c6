#include "tools/vkb/triangulation.h"

#include <algorithm>
#include <bitset>
#include <unordered_map>

namespace vokabi::vkb {
namespace {

// Beyond these an article stops being read; the body of an entry must stay under 32 KB.
constexpr std::size_t kMaxTerms = 40;
constexpr std::size_t kMaxViaWords = 12;
constexpr std::size_t kMaxPivots = 16;

std::string Folded(const std::string& bytes, const CaseMap& caseMap) {
  std::string folded(bytes);
  for (char& c : folded) c = static_cast<char>(caseMap.upper[static_cast<unsigned char>(c)]);
  return folded;
}

// Appends the text unless one equal by the case rules is there already.
void AddOnce(std::vector<std::string>& list, const std::string& text, const CaseMap& caseMap) {
  const std::string key = Folded(text, caseMap);
  for (const std::string& present : list)
    if (Folded(present, caseMap) == key) return;
  list.push_back(text);
}

struct Candidate {
  std::string term;
  std::bitset<kMaxPivots> pivots;
  std::size_t order = 0;
  // Per pivot, the pivot words that reached the term.
  std::vector<std::vector<std::string>> words;
};

// The headword's words in each pivot language, gathered over all its entries.
struct Gathered {
  std::string headword;
  std::vector<std::vector<std::string>> words;  // per pivot
};

}  // namespace

std::vector<ImportedEntry> InvertedEntries(const std::vector<ImportedEntry>& entries,
                                           const CaseMap& termCase) {
  std::vector<ImportedEntry> inverted;
  std::unordered_map<std::string, std::size_t> byTerm;
  for (const ImportedEntry& entry : entries) {
    for (const std::string& term : entry.terms) {
      const auto [it, added] = byTerm.emplace(Folded(term, termCase), inverted.size());
      if (added) inverted.push_back({term, {}, {}});
      std::vector<std::string>& terms = inverted[it->second].terms;
      if (terms.empty() || terms.back() != entry.headword) terms.push_back(entry.headword);
    }
  }
  return inverted;
}

std::vector<Triangulated> Triangulate(const std::vector<Pivot>& pivots, int minPivots,
                                      const CaseMap& headwordCase, const CaseMap& pivotCase,
                                      const CaseMap& bulgarianCase) {
  const std::size_t count = std::min(pivots.size(), kMaxPivots);
  std::vector<std::unordered_map<std::string, std::vector<const std::string*>>> bulgarian(count);
  std::vector<Gathered> gathered;
  std::unordered_map<std::string, std::size_t> byHeadword;
  for (std::size_t p = 0; p < count; ++p) {
    for (const ImportedEntry& entry : pivots[p].toBulgarian) {
      auto& terms = bulgarian[p][Folded(entry.headword, pivotCase)];
      for (const std::string& term : entry.terms) terms.push_back(&term);
    }
    for (const ImportedEntry& entry : pivots[p].toPivot) {
      const auto [it, added] =
          byHeadword.emplace(Folded(entry.headword, headwordCase), gathered.size());
      if (added) gathered.push_back({entry.headword, std::vector<std::vector<std::string>>(count)});
      for (const std::string& word : entry.terms)
        AddOnce(gathered[it->second].words[p], word, pivotCase);
    }
  }

  std::vector<Triangulated> result;
  for (const Gathered& g : gathered) {
    std::vector<Candidate> candidates;
    std::unordered_map<std::string, std::size_t> byTerm;
    for (std::size_t p = 0; p < count; ++p) {
      for (const std::string& word : g.words[p]) {
        const auto found = bulgarian[p].find(Folded(word, pivotCase));
        if (found == bulgarian[p].end()) continue;
        for (const std::string* term : found->second) {
          const auto [it, added] = byTerm.emplace(Folded(*term, bulgarianCase), candidates.size());
          if (added) {
            candidates.push_back({*term, {}, candidates.size(), {}});
            candidates.back().words.resize(count);
          }
          Candidate& candidate = candidates[it->second];
          candidate.pivots.set(p);
          AddOnce(candidate.words[p], word, pivotCase);
        }
      }
    }
    std::erase_if(candidates, [&](const Candidate& c) {
      return static_cast<int>(c.pivots.count()) < minPivots;
    });
    if (candidates.empty()) continue;
    std::stable_sort(
        candidates.begin(), candidates.end(),
        [](const Candidate& a, const Candidate& b) { return a.pivots.count() > b.pivots.count(); });
    if (candidates.size() > kMaxTerms) candidates.resize(kMaxTerms);

    Triangulated out;
    out.headword = g.headword;
    std::vector<std::vector<std::string>> via(count);
    for (const Candidate& c : candidates) {
      out.terms.push_back(c.term);
      out.reachedBy.push_back(static_cast<int>(c.pivots.count()));
      for (std::size_t p = 0; p < count; ++p)
        for (const std::string& word : c.words[p])
          if (via[p].size() < kMaxViaWords) AddOnce(via[p], word, pivotCase);
    }
    for (std::size_t p = 0; p < count; ++p)
      if (!via[p].empty()) out.via.push_back({pivots[p].label, std::move(via[p])});
    result.push_back(std::move(out));
  }
  return result;
}

}  // namespace vokabi::vkb
