#include "tools/vkb/tsv_reader.h"

#include <fstream>
#include <sstream>

namespace vokabi::vkb {
namespace {

bool Unescape(const std::string& text, std::string* out, std::string* reason) {
  out->clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out->push_back(text[i]);
      continue;
    }
    if (i + 1 == text.size()) {
      *reason = "the translation ends in a lone backslash (write \\\\ for one)";
      return false;
    }
    switch (text[++i]) {
      case 'n':
        *out += "\r\n";
        break;
      case 't':
        out->push_back('\t');
        break;
      case '\\':
        out->push_back('\\');
        break;
      default:
        *reason = std::string("unknown escape \\") + text[i] + " (use \\n, \\t or \\\\)";
        return false;
    }
  }
  return true;
}

bool IsBlank(const std::string& line) {
  return line.find_first_not_of(" \t") == std::string::npos;
}

}  // namespace

bool ReadTsv(const std::filesystem::path& path, std::vector<TsvEntry>* entries,
             std::string* error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    *error = "cannot read " + path.string();
    return false;
  }
  entries->clear();
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    if (number == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (IsBlank(line) || line[0] == '#') continue;
    const std::string where = path.filename().string() + " line " + std::to_string(number) + ": ";
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos) {
      *error = where + "no tab between headword and translation";
      return false;
    }
    TsvEntry entry;
    entry.headword = line.substr(0, tab);
    entry.line = number;
    std::string reason;
    if (!Unescape(line.substr(tab + 1), &entry.translation, &reason)) {
      *error = where + reason;
      return false;
    }
    entries->push_back(std::move(entry));
  }
  if (file.bad()) {
    *error = "cannot read " + path.string();
    return false;
  }
  return true;
}

}  // namespace vokabi::vkb
