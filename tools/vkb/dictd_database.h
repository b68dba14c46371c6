#pragma once

#include <cstdint>
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

// The most article text read from one database: Debian's largest FreeDict database holds about
// 100 MB, and a small .dict.dz may inflate to gigabytes.
inline constexpr std::uint64_t kMaxArticleBytes = std::uint64_t{256} << 20;

// Reads every article of NAME.index from NAME.dict.dz (or NAME.dict), in index order, without the
// database's own "00database…" entries, inflating only as far as the index points. False with a
// reason for an index line that does not parse or points beyond kMaxArticleBytes (naming the
// line) and for an index that points beyond the articles.
bool ReadDictd(const std::filesystem::path& path, std::vector<DictdArticle>* articles,
               std::string* error);

}  // namespace vokabi::vkb
