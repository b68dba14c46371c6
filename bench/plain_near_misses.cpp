#include "bench/plain_near_misses.h"

#include <algorithm>
#include <string>
#include <tuple>

#include "app/near_misses.h"

namespace vokabi::bench {
namespace {

std::string Fold(std::string_view word, const CaseMap& caseRules) {
  std::string folded(word);
  for (char& c : folded) c = static_cast<char>(caseRules.lower[static_cast<unsigned char>(c)]);
  return folded;
}

int Distance(const std::string& a, const std::string& b) {
  std::vector<std::vector<int>> d(a.size() + 1, std::vector<int>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = static_cast<int>(i);
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = static_cast<int>(j);
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      d[i][j] = std::min(
          {d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
      }
    }
  }
  return d[a.size()][b.size()];
}

}  // namespace

std::vector<std::string_view> PlainNearMisses(std::string_view typed,
                                              const std::vector<std::string_view>& headwords,
                                              const CaseMap& caseRules, std::size_t limit) {
  if (typed.empty()) return {};
  const std::string folded = Fold(typed, caseRules);
  const int reach = NearMissReach(typed.size());
  std::vector<std::tuple<int, std::ptrdiff_t, std::string, std::string_view>> found;
  for (const std::string_view headword : headwords) {
    std::string key = Fold(headword, caseRules);
    const int d = Distance(folded, key);
    const auto shared = std::mismatch(folded.begin(), folded.end(), key.begin(), key.end()).first;
    if (d <= reach) found.emplace_back(d, folded.begin() - shared, std::move(key), headword);
  }
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  std::vector<std::string_view> nearest;
  for (std::size_t i = 0; i < found.size() && i < limit; ++i) {
    nearest.push_back(std::get<3>(found[i]));
  }
  return nearest;
}

}  // namespace vokabi::bench
