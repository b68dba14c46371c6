#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vokabi::vkb {

// One line of a dictd index with its article, both UTF-8.
struct DictdArticle {
  std::string key;  // the index's headword: lower-case, as dictd searches it
  std::string text;
};

// True when the path names a dictd database: NAME.index, or NAME with NAME.index beside it.
bool IsDictdDatabase(const std::filesystem::path& path);

// Reads every article of NAME.index from NAME.dict.dz (or NAME.dict), in index order, without the
// database's own "00database…" entries. False with a reason naming the line for an index line
// that does not parse or points outside the articles.
bool ReadDictd(const std::filesystem::path& path, std::vector<DictdArticle>* articles,
               std::string* error);

}  // namespace vokabi::vkb
