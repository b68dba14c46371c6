#include "app/hunspell_check.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string_view>
#include <vector>

namespace vokabi {

namespace {

// A stated word count this many times below the lines that follow makes Hunspell's hash chains
// that long: a few are harmless, thousands take minutes.
constexpr std::uint64_t kUnderstatedBy = 8;
// Hunspell adds this much room to the stated count itself.
constexpr std::uint64_t kHunspellRoom = 1005;
// A stated count may exceed the lines a little (comments, a count rounded up), not by millions.
constexpr std::uint64_t kOverstatedBy = 2;

std::string_view WithoutBom(std::string_view line) {
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  if (line.substr(0, kBom.size()) == kBom) line.remove_prefix(kBom.size());
  return line;
}

// The number at the start of text (after blanks), if there is one.
bool LeadingNumber(std::string_view text, std::uint64_t& number) {
  const std::size_t start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) return false;
  const char* first = text.data() + start;
  const auto [end, error] = std::from_chars(first, text.data() + text.size(), number);
  return error == std::errc() && end != first;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t at = 0;
  while ((at = line.find_first_not_of(" \t\r", at)) != std::string_view::npos) {
    const std::size_t end = std::min(line.find_first_of(" \t\r", at), line.size());
    fields.push_back(line.substr(at, end - at));
    at = end;
  }
  return fields;
}

std::string AffixFault(const std::filesystem::path& aff) {
  std::ifstream file(aff, std::ios::binary);
  if (!file) return "it cannot be read";
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(std::move(line));
  // Tables whose first line states how many lines follow: "REP 20", "PFX A Y 3".
  static constexpr std::array<std::string_view, 10> kTables = {
      "REP",   "MAP",   "BREAK", "COMPOUNDRULE", "CHECKCOMPOUNDPATTERN",
      "ICONV", "OCONV", "PHONE", "AF",           "AM"};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::vector<std::string_view> fields = Fields(WithoutBom(lines[i]));
    if (fields.empty()) continue;
    std::string_view count;
    if (std::find(kTables.begin(), kTables.end(), fields[0]) != kTables.end() &&
        fields.size() == 2) {
      count = fields[1];
    } else if ((fields[0] == "PFX" || fields[0] == "SFX") && fields.size() == 4 &&
               (fields[2] == "Y" || fields[2] == "N")) {
      count = fields[3];
    } else {
      continue;
    }
    std::uint64_t stated = 0;
    if (!LeadingNumber(count, stated)) continue;
    const std::uint64_t following = lines.size() - i - 1;
    if (stated > following) {
      std::ostringstream why;
      why << "line " << i + 1 << " of " << aff.filename().string() << " announces " << stated
          << " lines of " << fields[0] << " but " << following << " follow";
      return why.str();
    }
    // The table's own lines ("AF 12", "COMPOUNDRULE 1*2") are no headers.
    i += static_cast<std::size_t>(stated);
  }
  return {};
}

std::string WordsFault(const std::filesystem::path& dic) {
  std::ifstream file(dic, std::ios::binary);
  if (!file) return "it cannot be read";
  std::string first;
  std::getline(file, first);
  std::uint64_t stated = 0;
  if (!LeadingNumber(WithoutBom(first), stated))
    return dic.filename().string() + " does not begin with its word count";
  std::uint64_t lines = 0;
  std::array<char, 1 << 16> buffer;
  while (file.read(buffer.data(), buffer.size()) || file.gcount() > 0) {
    lines +=
        static_cast<std::uint64_t>(std::count(buffer.data(), buffer.data() + file.gcount(), '\n'));
  }
  if (lines > kUnderstatedBy * (stated + kHunspellRoom) ||
      stated > kOverstatedBy * lines + kHunspellRoom) {
    std::ostringstream why;
    why << dic.filename().string() << " says it holds " << stated << " words but has " << lines
        << " lines";
    return why.str();
  }
  return {};
}

}  // namespace

std::string HunspellFault(const std::filesystem::path& aff, const std::filesystem::path& dic) {
  std::string fault = AffixFault(aff);
  if (fault.empty()) fault = WordsFault(dic);
  return fault;
}

}  // namespace vokabi
