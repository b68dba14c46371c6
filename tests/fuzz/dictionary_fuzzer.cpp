// Loads a base made from the input and runs every lookup on it, trapping when a result breaks
// what must hold for any base. The first byte picks how the input becomes a base: even, the file
// bytes as given; odd, a base laid out from fuzzed parts so that the index and bodies decipher.
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "app/error_class.h"
#include "engine/base_writer.h"
#include "engine/dictionary.h"
#include "engine/make_crypto.h"
#include "platform/case_map.h"

namespace {

using vokabi::Dictionary;

constexpr int kCharsets[] = {0, 204, 238, 161, 162, 177, 178, 186, 163, 222, 7};
constexpr char kFileName[] = "fuzz.vkb";
constexpr std::size_t kMaxWords = 24;
constexpr std::size_t kMaxHeadwords = 4;
constexpr int kMaxHistory = 20;
constexpr std::int32_t kMaxNeighbourBack = 511;

void Check(bool holds) {
  if (!holds) __builtin_trap();
}

// Takes fields from the front of the input; an exhausted input reads as zeros.
struct Reader {
  std::string_view rest;
  std::string Bytes(std::size_t n) {
    std::string out(rest.substr(0, n));
    rest.remove_prefix(out.size());
    return out;
  }
  unsigned Byte() {
    const std::string byte = Bytes(1);
    return byte.empty() ? 0 : static_cast<unsigned char>(byte[0]);
  }
  unsigned U16() {
    const unsigned high = Byte();
    return high << 8 | Byte();
  }
};

// One folder per process, so parallel fuzzers do not share the base file.
struct TempFolder {
  std::filesystem::path path;
  TempFolder() {
    char name[] = "/tmp/vokabi-fuzz-XXXXXX";
    if (mkdtemp(name) == nullptr) abort();
    path = name;
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};

const std::filesystem::path& Folder() {
  static const TempFolder folder;
  return folder.path;
}

// Chunks of bodies; an odd head byte enciphers its chunk so that it deciphers when read.
std::string Region(Reader& in, vokabi::MakeCrypto& crypto, const std::string& key) {
  std::string region;
  for (unsigned chunks = in.Byte() % 16; chunks > 0; --chunks) {
    const unsigned head = in.Byte();
    const std::string body = in.Bytes(head >> 1);
    region += (head & 1) != 0 && !body.empty() ? crypto.Encrypt(body, key) : body;
  }
  return region;
}

std::string LayOut(Reader& in, vokabi::MakeCrypto& crypto) {
  vokabi::BaseImage image;
  image.key = "fuzz";
  image.charset1 = kCharsets[in.Byte() % std::size(kCharsets)];
  image.charset2 = kCharsets[in.Byte() % std::size(kCharsets)];
  const unsigned records1 = in.Byte() % 64;
  const unsigned records2 = in.Byte() % 64;
  image.wordCount1 = in.U16();
  image.wordCount2 = in.U16();
  const std::string names = in.Bytes(in.Byte());
  std::size_t from = 0;
  for (std::string& name : image.names) {
    if (from >= names.size()) break;
    const std::size_t bar = std::min(names.find('|', from), names.size());
    name = names.substr(from, bar - from);
    from = bar + 1;
  }
  image.table1 = in.Bytes(4 * records1);
  image.table1.resize(image.table1.size() / 4 * 4);
  image.table2 = in.Bytes(4 * records2);
  image.table2.resize(image.table2.size() / 4 * 4);
  image.index = in.Bytes(in.U16() % 4096);
  image.region1 = Region(in, crypto, image.key);
  image.region2 = Region(in, crypto, image.key);
  std::string error;
  return vokabi::EncodeBase(image, crypto, &error);
}

struct Entry {
  std::int32_t position;
  std::string_view headword;
};

// The entries of a loaded index text, split independently of the engine.
std::vector<Entry> Entries(const std::string& text) {
  std::vector<Entry> entries;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t dollar = text.find('$', pos + 1);
    Check(text[pos] == '#' && dollar != std::string::npos && dollar + 7 <= text.size());
    const std::string_view headword(text.data() + pos + 1, dollar - pos - 1);
    Check(headword.find('#') == std::string_view::npos);
    entries.push_back({static_cast<std::int32_t>(pos + 1), headword});
    pos = dollar + 7;
  }
  return entries;
}

class Driver {
 public:
  Driver(Dictionary& dict, vokabi::ErrorClass& errors)
      : dict_(dict), errors_(errors), entries_(Entries(dict.BazaDumi())) {}

  const std::vector<Entry>& entries() const { return entries_; }

  void Lookup(std::string_view word, bool complete) {
    const std::string duma = dict_.Duma();
    const std::string prevod = dict_.Prevod();
    const std::int32_t predni = dict_.PredniDumi();
    errors_.Clear();
    if (complete ? dict_.AutoComplete(word) : dict_.Translate(word)) {
      Check(std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) {
        const std::int32_t back = e.position - dict_.PredniDumi();
        return e.headword == dict_.Duma() && back >= 0 && back <= kMaxNeighbourBack &&
               dict_.DumaCHSet() == Charset(e.position, false) &&
               dict_.PrevodCHSet() == Charset(e.position, true);
      }));
    } else {
      // A failed lookup reports why and keeps the previous result.
      Check(errors_.Nomer() != 0 && dict_.Duma() == duma && dict_.Prevod() == prevod &&
            dict_.PredniDumi() == predni);
    }
    List(dict_.PredniDumi());
  }

  // The list from an entry is the next nine headwords, each with its side's character set.
  void List(std::int32_t start) {
    errors_.Clear();
    const std::string list = dict_.Load5Etikets(start);
    const std::vector<int> charsets = dict_.NeighbourCharsets(start);
    auto it = std::lower_bound(entries_.begin(), entries_.end(), start,
                               [](const Entry& e, std::int32_t p) { return e.position < p; });
    if (it == entries_.end() || it->position != start) {
      Check(list.empty() && charsets.empty() && errors_.Nomer() == 8);
      return;
    }
    std::string expected;
    std::size_t count = 0;
    for (; it != entries_.end() && count < 9; ++it, ++count) {
      if (count > 0) expected += "\r\n";
      expected += it->headword;
      Check(count < charsets.size() && charsets[count] == Charset(it->position, false));
    }
    Check(list == expected && charsets.size() == count);
  }

  // Walks to the newest entry, back to the oldest and forward again: both walks must agree.
  void History() {
    Walk(false);
    const int back = Walk(true);
    Check(Walk(false) == back);
  }

 private:
  int Charset(std::int32_t position, bool translation) const {
    const bool side1 = position < dict_.Section2Start();
    return side1 != translation ? dict_.Charset1() : dict_.Charset2();
  }

  // At most 20 entries are reachable, each a found word with the base's two character sets.
  int Walk(bool back) {
    int steps = 0;
    while (back ? dict_.MovePredna() : dict_.MoveSledvasta()) {
      const int c1 = dict_.Charset1();
      const int c2 = dict_.Charset2();
      const int h1 = dict_.HistCharset1();
      const int h2 = dict_.HistCharset2();
      Check(++steps < kMaxHistory && !dict_.PrednaDuma().empty() &&
            ((h1 == c1 && h2 == c2) || (h1 == c2 && h2 == c1)));
      List(dict_.PrednaPredni5());
    }
    return steps;
  }

  Dictionary& dict_;
  vokabi::ErrorClass& errors_;
  std::vector<Entry> entries_;
};

// Four or more bytes name any position, negative and huge ones included; fewer pick an entry.
std::int32_t Position(std::string_view word, const std::vector<Entry>& entries) {
  std::int32_t position = -1;
  if (word.size() >= sizeof position) {
    std::memcpy(&position, word.data(), sizeof position);
  } else if (!word.empty() && !entries.empty()) {
    position = entries[static_cast<unsigned char>(word[0]) % entries.size()].position;
  }
  return position;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Reader in{std::string_view(reinterpret_cast<const char*>(data), size)};
  vokabi::ErrorClass errors;
  vokabi::MakeCrypto crypto(errors);
  std::string file;
  if (in.Byte() % 2 == 0) {
    file = in.Bytes(in.U16());
  } else if ((file = LayOut(in, crypto)).empty()) {
    return 0;
  }
  std::ofstream(Folder() / kFileName, std::ios::binary | std::ios::trunc)
      .write(file.data(), static_cast<std::streamsize>(file.size()));

  std::vector<std::string> words;
  const std::string_view rest = in.rest;
  for (std::size_t from = 0; from < rest.size() && words.size() < kMaxWords;) {
    const std::size_t end = std::min(rest.find('\n', from), rest.size());
    words.emplace_back(rest.substr(from, end - from));
    from = end + 1;
  }

  Dictionary dict(crypto, errors, Folder(), vokabi::platform::CaseMapForCharset);
  if (!dict.Initialize(kFileName)) {
    const std::string word = words.empty() ? "a" : words[0];
    Check(!dict.Initi() && !dict.Translate(word) && !dict.AutoComplete(word) &&
          dict.Load5Etikets(1).empty() && dict.NeighbourCharsets(1).empty());
    return 0;
  }
  Check(dict.Initi() && dict.DicName() == kFileName && dict.ID().size() == 8 &&
        dict.Version().size() == 4 && dict.BroiDumi1() >= 0 && dict.BroiDumi2() >= 0);
  for (const std::string& name : dict.LanguageNames()) Check(name.find('|') == std::string::npos);
  for (std::int32_t ezik = -1; ezik <= 9; ++ezik) {
    for (std::int16_t cifra = 0; cifra <= 3; ++cifra) {
      Check(dict.Ime_na_Dic(ezik, cifra).find('|') == std::string::npos);
    }
  }

  Driver driver(dict, errors);
  // Stored headwords reach found entries even when mutation has garbled the typed words.
  const auto& entries = driver.entries();
  for (std::size_t i = 0; i < kMaxHeadwords && i < entries.size(); ++i) {
    words.emplace_back(entries[i * entries.size() / kMaxHeadwords].headword);
  }
  for (std::size_t i = 0; i < words.size(); ++i) {
    driver.Lookup(words[i], false);
    driver.Lookup(words[i], true);
    driver.List(Position(words[i], entries));
    // The word's last byte steps the history, or leaves it to fill up.
    const unsigned step = words[i].empty() ? 0 : static_cast<unsigned char>(words[i].back()) % 4;
    if (step == 1) dict.MovePredna();
    if (step == 2) dict.MoveSledvasta();
  }
  driver.History();
  Check(dict.LookupBytes() > 0 || entries.empty());
  return 0;
}
