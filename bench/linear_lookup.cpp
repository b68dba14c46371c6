#include "bench/linear_lookup.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace vokabi::bench {

LinearLookup::LinearLookup(MakeCrypto& crypto, ErrorClass& errors, CaseMap case1, CaseMap case2)
    : crypto_(crypto), errors_(errors), case1_(case1), case2_(case2) {}

bool LinearLookup::Load(const std::filesystem::path& file) {
  file_ = file;
  std::ifstream in(file, std::ios::binary);
  const std::string bytes(std::istreambuf_iterator<char>(in), {});
  if (!ParseBaseHeader(bytes, &header_)) return false;
  text_ = crypto_.Decrypt(
      std::string_view(bytes).substr(header_.indexOffset + 5, header_.indexLength), header_.key);
  return !text_.empty();
}

std::size_t LinearLookup::Search(std::string_view word, std::size_t from, bool whole) const {
  const auto& upper = case1_.upper;
  const std::size_t size = text_.size();
  for (std::size_t pos = from; pos < size; ++pos) {
    const auto* hash = static_cast<const char*>(std::memchr(text_.data() + pos, '#', size - pos));
    if (hash == nullptr) break;
    pos = static_cast<std::size_t>(hash - text_.data());
    const std::size_t end = pos + 1 + word.size();
    if (end + (whole ? 1 : 0) > size) break;
    bool same = true;
    for (std::size_t i = 0; same && i < word.size(); ++i) {
      same = upper[static_cast<unsigned char>(text_[pos + 1 + i])] ==
             upper[static_cast<unsigned char>(word[i])];
    }
    if (same && (!whole || text_[end] == '$')) return pos;
  }
  return std::string::npos;
}

std::int32_t LinearLookup::Start(std::string_view word) const {
  bool latin = false;
  bool cyrillic = false;
  for (const char ch : word) {
    const auto c = static_cast<unsigned char>(ch);
    latin = latin || (c >= 97 && c <= 122);
    cyrillic = cyrillic || c >= 224;
  }
  const bool side1 = latin || !cyrillic;
  const auto first = static_cast<unsigned char>(word[0]);
  const std::int32_t start =
      side1 ? header_.letters1[case1_.upper[first]] : header_.letters2[case2_.upper[first]];
  return start == 0 ? 1 : start;
}

bool LinearLookup::Read(std::size_t hash, std::size_t dollar) {
  const auto b = [&](std::size_t i) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(text_[dollar + 1 + i]));
  };
  const std::uint32_t bodyPos = (b(0) << 16) | (b(1) << 8) | b(2);
  const std::uint32_t bodyLength = b(3) * 128 + b(4) / 2;
  const bool side2 = static_cast<std::int32_t>(hash + 1) >= header_.section2Start;
  const std::uint32_t base = side2 ? header_.dataBase2 : header_.dataBase1;
  std::ifstream in(file_, std::ios::binary);
  std::string body(bodyLength, '\0');
  in.seekg(base + bodyPos - 2);
  if (!in.read(body.data(), bodyLength)) return false;
  duma_ = text_.substr(hash + 1, dollar - hash - 1);
  prevod_ = crypto_.Decrypt(body, header_.key);
  return true;
}

bool LinearLookup::Translate(std::string_view word) {
  std::string current(word);
  for (int attempt = 0; attempt < 2 && !current.empty(); ++attempt) {
    const std::size_t hash = Search(current, Start(current) - 1, true);
    if (hash != std::string::npos) return Read(hash, hash + 1 + current.size());
    // Trim non-letters from both ends, as the lookup does before its second try.
    const auto nonLetter = [](char ch) {
      const auto c = static_cast<unsigned char>(ch);
      return c < 65 || (c >= 91 && c <= 96) || (c >= 123 && c <= 155);
    };
    while (!current.empty() && nonLetter(current.back())) current.pop_back();
    while (!current.empty() && nonLetter(current.front())) current.erase(0, 1);
  }
  errors_.SetNomer(msg::kNotFound);
  return false;
}

bool LinearLookup::AutoComplete(std::string_view word) {
  if (word.empty()) return false;
  const std::size_t hash = Search(word, Start(word) - 1, false);
  if (hash == std::string::npos) return false;
  const std::size_t dollar = text_.find('$', hash + 1);
  if (dollar == std::string::npos) return false;
  return Read(hash, dollar);
}

std::string LinearLookup::Load5Etikets(std::int32_t startPoz) {
  const auto start = static_cast<std::size_t>(startPoz) - 1;
  if (startPoz < 1 || start >= text_.size() || text_[start] != '#') {
    errors_.SetNomer(msg::kBaseError);
    return {};
  }
  std::string list;
  std::size_t pos = start;
  for (int i = 0; i < 9; ++i) {
    const std::size_t hash = text_.find('#', pos);
    if (hash == std::string::npos) break;
    const std::size_t dollar = text_.find('$', hash + 1);
    if (dollar == std::string::npos) break;
    if (i > 0) list += "\r\n";
    list.append(text_, hash + 1, dollar - hash - 1);
    pos = dollar + 7;  // past the six locator bytes, onto the next "#"
  }
  return list;
}

}  // namespace vokabi::bench
