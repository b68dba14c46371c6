#include "app/base_order.h"

#include <algorithm>
#include <string_view>

namespace vokabi {
namespace {

constexpr std::size_t kEnglishNames = 1;
constexpr std::int32_t kEnglish = 1;
// Each interface language named as the English name field of a base names it.
constexpr std::array<std::string_view, 7> kEnglishName = {
    "Bulgarian", "English", "French", "German", "Spanish", "Italian", "Russian"};

char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c;
}

bool SameLetters(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return Upper(x) == Upper(y); });
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// Whether the names field says "LANGUAGE,Bulgarian" or "Bulgarian,LANGUAGE".
bool Pairs(std::string_view field, std::string_view language) {
  const std::size_t comma = field.find(',');
  if (comma == std::string_view::npos) return false;
  const std::string_view first = Trimmed(field.substr(0, comma));
  const std::string_view second = Trimmed(field.substr(comma + 1));
  const std::string_view bulgarian = kEnglishName[0];
  return (SameLetters(first, language) && SameLetters(second, bulgarian)) ||
         (SameLetters(first, bulgarian) && SameLetters(second, language));
}

std::int16_t BasePairing(const std::vector<std::array<std::string, 7>>& names,
                         std::string_view language) {
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (Pairs(names[i][kEnglishNames], language)) return static_cast<std::int16_t>(i);
  }
  return -1;
}

}  // namespace

void SortBaseNames(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const auto folded =
        std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
          return static_cast<unsigned char>(Upper(x)) < static_cast<unsigned char>(Upper(y));
        });
    if (folded || !SameLetters(a, b)) return folded;
    return a < b;
  });
}

std::int16_t FirstWorkingBase(const std::vector<std::array<std::string, 7>>& names,
                              std::int32_t language) {
  if (language > 0 && language < static_cast<std::int32_t>(kEnglishName.size())) {
    const std::int16_t own = BasePairing(names, kEnglishName[static_cast<std::size_t>(language)]);
    if (own >= 0) return own;
  }
  const std::int16_t english = BasePairing(names, kEnglishName[kEnglish]);
  return english >= 0 ? english : 0;
}

}  // namespace vokabi
