#include "tools/vkb/dictd_database.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <optional>

namespace vokabi::vkb {
namespace {

namespace fs = std::filesystem;

fs::path Stem(const fs::path& path) {
  return path.extension() == ".index" ? fs::path(path).replace_extension() : path;
}

// dictd writes offsets and lengths in its own base 64: A-Z a-z 0-9 + /, most significant first.
std::optional<std::uint64_t> Base64Number(const std::string& digits) {
  if (digits.empty() || digits.size() > 10) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : digits) {
    int d = 0;
    if (c >= 'A' && c <= 'Z') {
      d = c - 'A';
    } else if (c >= 'a' && c <= 'z') {
      d = c - 'a' + 26;
    } else if (c >= '0' && c <= '9') {
      d = c - '0' + 52;
    } else if (c == '+') {
      d = 62;
    } else if (c == '/') {
      d = 63;
    } else {
      return std::nullopt;
    }
    value = value * 64 + static_cast<std::uint64_t>(d);
  }
  return value;
}

std::string Size(std::uint64_t bytes) {
  char text[32];
  if (bytes >= (1u << 30)) {
    std::snprintf(text, sizeof text, "%.1f GiB", static_cast<double>(bytes) / (1u << 30));
  } else {
    std::snprintf(text, sizeof text, "%.1f MiB", static_cast<double>(bytes) / (1u << 20));
  }
  return text;
}

// The article file as far as the index needs it; .dict.dz is gzip (with dictzip's extra field,
// which zlib skips). What lies beyond is never inflated, so a small file that inflates to
// gigabytes costs no more than its index asks for.
bool ReadArticles(const fs::path& stem, std::uint64_t needed, std::string* bytes,
                  std::string* error) {
  const fs::path plain = fs::path(stem.string() + ".dict");
  const fs::path packed = fs::path(stem.string() + ".dict.dz");
  const fs::path& file = fs::exists(packed) ? packed : plain;
  gzFile in = gzopen(file.c_str(), "rb");
  if (in == nullptr) {
    *error = "cannot open " + packed.string() + " or " + plain.string();
    return false;
  }
  bytes->reserve(static_cast<std::size_t>(needed));
  char buffer[1 << 16];
  int read = 0;
  while (bytes->size() < needed && (read = gzread(in, buffer, sizeof buffer)) > 0)
    bytes->append(buffer, std::min(static_cast<std::size_t>(read), needed - bytes->size()));
  const bool failed = read < 0;
  gzclose(in);
  if (failed) *error = file.string() + " is damaged";
  return !failed;
}

}  // namespace

bool IsDictdDatabase(const fs::path& path) {
  return path.extension() == ".index" || fs::exists(fs::path(path.string() + ".index"));
}

bool ReadDictd(const fs::path& path, std::vector<DictdArticle>* articles, std::string* error) {
  const fs::path stem = Stem(path);
  const fs::path indexPath = fs::path(stem.string() + ".index");
  std::ifstream index(indexPath);
  if (!index) {
    *error = "cannot open " + indexPath.string();
    return false;
  }
  struct Place {
    std::string key;
    std::uint64_t offset;
    std::uint64_t length;
  };
  std::vector<Place> places;
  std::uint64_t needed = 0;
  int neededBy = 0;
  std::string line;
  for (int number = 1; std::getline(index, line); ++number) {
    const std::size_t tab1 = line.find('\t');
    const std::size_t tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
    const auto offset = tab2 == std::string::npos
                            ? std::nullopt
                            : Base64Number(line.substr(tab1 + 1, tab2 - tab1 - 1));
    const auto length =
        tab2 == std::string::npos ? std::nullopt : Base64Number(line.substr(tab2 + 1));
    if (!offset || !length) {
      *error = indexPath.filename().string() + " line " + std::to_string(number) +
               ": not \"headword TAB offset TAB length\"";
      return false;
    }
    if (*offset > kMaxArticleBytes || *length > kMaxArticleBytes - *offset) {
      *error = indexPath.filename().string() + " line " + std::to_string(number) + " points " +
               Size(*offset + *length) + " into the articles; vkb reads at most " +
               Size(kMaxArticleBytes) + " of a database";
      return false;
    }
    if (*offset + *length > needed) {
      needed = *offset + *length;
      neededBy = number;
    }
    std::string key = line.substr(0, tab1);
    if (key.rfind("00database", 0) == 0 || key.rfind("00-database", 0) == 0) continue;
    places.push_back({std::move(key), *offset, *length});
  }
  std::string dict;
  if (!ReadArticles(stem, needed, &dict, error)) return false;
  if (dict.size() < needed) {
    *error = indexPath.filename().string() + " line " + std::to_string(neededBy) + " points " +
             Size(needed) + " into articles that hold " + Size(dict.size());
    return false;
  }
  articles->reserve(articles->size() + places.size());
  for (Place& place : places) {
    articles->push_back({std::move(place.key), dict.substr(place.offset, place.length)});
  }
  return true;
}

}  // namespace vokabi::vkb
