#include "platform/text_encoding.h"

#include <iconv.h>
#include <locale.h>
#include <wctype.h>

#include <algorithm>
#include <cctype>

#include "platform/posix/iconv_converter.h"

namespace vokabi::platform {

namespace {

// iconv's name for a dictionary's: Hunspell writes Windows code pages as ICU does.
std::string IconvName(std::string_view name) {
  std::string upper(name);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  constexpr std::string_view kMicrosoft = "MICROSOFT-";
  if (upper.starts_with(kMicrosoft)) upper.erase(0, kMicrosoft.size());
  if (upper == "TIS620-2533") return "TIS-620";
  return upper;
}

}  // namespace

std::optional<std::string> ConvertEncoding(std::string_view to, std::string_view from,
                                           std::string_view text) {
  // iconv takes an empty name for the locale's encoding, which names no dictionary's.
  if (to.empty() || from.empty()) return std::nullopt;
  const IconvConverter converter(IconvName(to), IconvName(from));
  if (converter.get() == kNoDescriptor) return std::nullopt;
  std::string out;
  const std::size_t refused = ConvertWith(
      converter.get(), text, out, [](std::string_view, std::string&) { return std::size_t{1}; });
  if (refused != 0) return std::nullopt;
  return out;
}

bool IsLetter(char32_t point) {
  static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
  if (locale == locale_t{}) return point < 0x80 && std::isalpha(static_cast<int>(point));
  return iswalpha_l(static_cast<wint_t>(point), locale) != 0;
}

}  // namespace vokabi::platform
