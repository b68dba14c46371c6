#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vokabi::vkb {

// One "headword TAB translation" line of a side's TSV file, still UTF-8.
struct TsvEntry {
  std::string headword;
  std::string translation;  // escapes resolved; line breaks as CR LF
  int line = 0;
};

// Reads a side file. Blank lines and lines starting with "#" are skipped; the headword is taken
// as written, the translation has \n (line break), \t (tab) and \\ (backslash) resolved. False
// with "FILE line N: reason" for a line without a tab or with an unknown escape.
bool ReadTsv(const std::filesystem::path& path, std::vector<TsvEntry>* entries, std::string* error);

}  // namespace vokabi::vkb
