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
  bool confirmed = false;
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
                                      bool withConfirmed, const CaseMap& headwordCase,
                                      const CaseMapProvider& pivotCases,
                                      const CaseMap& bulgarianCase) {
  const std::size_t count = std::min(pivots.size(), kMaxPivots);
  std::vector<CaseMap> pivotCase;
  for (std::size_t p = 0; p < count; ++p) pivotCase.push_back(pivotCases(pivots[p].charset));
  std::vector<std::unordered_map<std::string, std::vector<const std::string*>>> bulgarian(count);
  // The ways back: from a Bulgarian term to the pivot words it translates, and from a pivot word
  // to the headwords (by number) that lead to it.
  std::vector<std::unordered_map<std::string, std::vector<std::string>>> back(count);
  std::vector<std::unordered_map<std::string, std::vector<std::size_t>>> headwordsOf(count);
  std::vector<Gathered> gathered;
  std::unordered_map<std::string, std::size_t> byHeadword;
  for (std::size_t p = 0; p < count; ++p) {
    for (const ImportedEntry& entry : pivots[p].toBulgarian) {
      const std::string word = Folded(entry.headword, pivotCase[p]);
      auto& terms = bulgarian[p][word];
      for (const std::string& term : entry.terms) {
        const std::string key = Folded(term, bulgarianCase);
        if (std::any_of(terms.begin(), terms.end(),
                        [&](const std::string* t) { return Folded(*t, bulgarianCase) == key; }))
          continue;
        terms.push_back(&term);
        if (withConfirmed) back[p][key].push_back(word);
      }
    }
    for (const ImportedEntry& entry : pivots[p].toPivot) {
      const auto [it, added] =
          byHeadword.emplace(Folded(entry.headword, headwordCase), gathered.size());
      if (added) gathered.push_back({entry.headword, std::vector<std::vector<std::string>>(count)});
      for (const std::string& word : entry.terms) {
        AddOnce(gathered[it->second].words[p], word, pivotCase[p]);
        if (!withConfirmed) continue;
        auto& list = headwordsOf[p][Folded(word, pivotCase[p])];
        if (list.empty() || list.back() != it->second) list.push_back(it->second);
      }
    }
  }
  // Whether the term leads back through pivot p to headword h alone.
  const auto leadsBackOnlyTo = [&](std::size_t p, const std::string& term, std::size_t h) {
    const auto words = back[p].find(Folded(term, bulgarianCase));
    if (words == back[p].end()) return false;
    for (const std::string& word : words->second) {
      const auto heads = headwordsOf[p].find(word);
      if (heads == headwordsOf[p].end()) continue;
      for (const std::size_t other : heads->second)
        if (other != h) return false;
    }
    return true;
  };

  std::vector<Triangulated> result;
  for (std::size_t h = 0; h < gathered.size(); ++h) {
    const Gathered& g = gathered[h];
    std::vector<Candidate> candidates;
    std::unordered_map<std::string, std::size_t> byTerm;
    for (std::size_t p = 0; p < count; ++p) {
      for (const std::string& word : g.words[p]) {
        const auto found = bulgarian[p].find(Folded(word, pivotCase[p]));
        if (found == bulgarian[p].end()) continue;
        for (const std::string* term : found->second) {
          const auto [it, added] = byTerm.emplace(Folded(*term, bulgarianCase), candidates.size());
          if (added) {
            candidates.push_back({*term, {}, candidates.size(), {}, false});
            candidates.back().words.resize(count);
          }
          Candidate& candidate = candidates[it->second];
          candidate.pivots.set(p);
          AddOnce(candidate.words[p], word, pivotCase[p]);
          if (withConfirmed && found->second.size() == 1 && !candidate.confirmed)
            candidate.confirmed = leadsBackOnlyTo(p, *term, h);
        }
      }
    }
    std::erase_if(candidates, [&](const Candidate& c) {
      return static_cast<int>(c.pivots.count()) < minPivots && !c.confirmed;
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
      out.confirmed.push_back(c.confirmed);
      out.pivotsOf.push_back(static_cast<unsigned>(c.pivots.to_ulong()));
      for (std::size_t p = 0; p < count; ++p)
        for (const std::string& word : c.words[p])
          if (via[p].size() < kMaxViaWords) AddOnce(via[p], word, pivotCase[p]);
    }
    for (std::size_t p = 0; p < count; ++p)
      if (!via[p].empty())
        out.via.push_back({pivots[p].label, std::move(via[p]), pivots[p].charset});
    result.push_back(std::move(out));
  }
  return result;
}

}  // namespace vokabi::vkb
