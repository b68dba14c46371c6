#include "app/near_misses.h"

#include <algorithm>
#include <array>
#include <string>
#include <tuple>

namespace vokabi {
namespace {

// Optimal-string-alignment distance of the folded typed word and a headword folded on the fly,
// or reach + 1 when it is larger than reach. Only the diagonal band |i - j| <= reach can hold
// a distance within reach, so only that band is computed, and the walk stops at the first row
// whose band is all beyond reach: no later row can come back under it.
class BoundedDistance {
 public:
  BoundedDistance(const std::string& typed, const CaseMap& caseRules, int reach)
      : typed_(typed), lower_(caseRules.lower), reach_(reach) {}

  int operator()(std::string_view headword) {
    const int n = static_cast<int>(typed_.size());
    const int m = static_cast<int>(headword.size());
    const int beyond = reach_ + 1;
    // Every row writes its band and the cell either side of it, which is all the next two rows
    // read, so the rows need no clearing between headwords.
    for (auto* row : {&older_, &above_, &current_}) {
      if (row->size() < static_cast<std::size_t>(m) + 2) row->resize(m + 2);
    }
    const int firstTo = std::min(m, reach_);
    for (int j = 0; j <= firstTo; ++j) above_[j] = j;
    above_[firstTo + 1] = beyond;
    for (int i = 1; i <= n; ++i) {
      const int from = std::max(1, i - reach_);
      const int to = std::min(m, i + reach_);
      current_[from - 1] = i <= reach_ ? i : beyond;
      const unsigned char a = static_cast<unsigned char>(typed_[i - 1]);
      int best = current_[from - 1];
      for (int j = from; j <= to; ++j) {
        const unsigned char b = Folded(headword, j - 1);
        int d = std::min({above_[j] + 1, current_[j - 1] + 1, above_[j - 1] + (a == b ? 0 : 1)});
        if (i > 1 && j > 1 && a == Folded(headword, j - 2) &&
            static_cast<unsigned char>(typed_[i - 2]) == b) {
          d = std::min(d, older_[j - 2] + 1);
        }
        current_[j] = std::min(d, beyond);
        best = std::min(best, current_[j]);
      }
      if (best > reach_) return beyond;
      current_[to + 1] = beyond;
      std::swap(older_, above_);
      std::swap(above_, current_);
    }
    return above_[m];
  }

 private:
  unsigned char Folded(std::string_view word, int at) const {
    return lower_[static_cast<unsigned char>(word[at])];
  }

  const std::string& typed_;
  const std::array<unsigned char, 256>& lower_;
  const int reach_;
  // Rows i - 2, i - 1 and i of the distance table, kept between headwords.
  std::vector<int> older_, above_, current_;
};

}  // namespace

int NearMissReach(std::size_t letters) {
  return letters <= 4 ? 1 : 2;
}

std::vector<std::string_view> NearMisses(std::string_view typed,
                                         const std::vector<std::string_view>& headwords,
                                         const CaseMap& caseRules, std::size_t limit) {
  if (typed.empty() || limit == 0) return {};
  std::string folded(typed);
  for (char& c : folded) c = static_cast<char>(caseRules.lower[static_cast<unsigned char>(c)]);
  const int reach = NearMissReach(typed.size());
  BoundedDistance distance(folded, caseRules, reach);

  struct Found {
    int distance;
    // Among equal distances the longer shared beginning first: typing goes wrong at the start
    // least often, so къшта finds къща before the many words two edits off elsewhere.
    std::size_t shared;
    std::string folded;
    std::string_view headword;
  };
  std::vector<Found> found;
  for (const std::string_view headword : headwords) {
    const std::size_t shorter = std::min(headword.size(), typed.size());
    if (std::max(headword.size(), typed.size()) - shorter > static_cast<std::size_t>(reach)) {
      continue;
    }
    const int d = distance(headword);
    if (d > reach) continue;
    std::string key(headword);
    for (char& c : key) c = static_cast<char>(caseRules.lower[static_cast<unsigned char>(c)]);
    const auto [mismatch, unused] =
        std::mismatch(folded.begin(), folded.end(), key.begin(), key.end());
    const auto shared = static_cast<std::size_t>(mismatch - folded.begin());
    found.push_back({d, shared, std::move(key), headword});
  }
  std::sort(found.begin(), found.end(), [](const Found& x, const Found& y) {
    return std::tie(x.distance, y.shared, x.folded, x.headword) <
           std::tie(y.distance, x.shared, y.folded, y.headword);
  });

  std::vector<std::string_view> nearest;
  for (const Found& f : found) {
    if (nearest.size() == limit) break;
    if (!nearest.empty() && nearest.back() == f.headword) continue;
    nearest.push_back(f.headword);
  }
  return nearest;
}

}  // namespace vokabi
