// Loads a base made from the input and runs every lookup on it, trapping when a result breaks
// what must hold for any base. The first byte picks how the input becomes a base: even, the file
// bytes as given; odd, a base laid out from fuzzed parts so that the index and bodies decipher.
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <tuple>
#include <vector>

#include "app/error_class.h"
#include "app/system_case_map.h"
#include "engine/base_writer.h"
#include "engine/dictionary.h"
#include "engine/make_crypto.h"

namespace {

using vokabi::Dictionary;
namespace msg = vokabi::msg;

constexpr int kCharsets[] = {0, 204, 238, 161, 162, 177, 178, 186, 163, 222, 7};
constexpr char kFileName[] = "fuzz.vkb";

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
  unsigned Byte() { return rest.empty() ? 0 : static_cast<unsigned char>(Bytes(1)[0]); }
  unsigned U16() {
    const unsigned high = Byte();
    return high << 8 | Byte();
  }
};

// One folder per process, so parallel fuzzers do not share the base file.
const std::filesystem::path& Folder() {
  static const struct TempFolder {
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
  } folder;
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
  std::istringstream names(in.Bytes(in.Byte()));
  for (std::string& name : image.names) std::getline(names, name, '|');
  // Whole four-byte records only.
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
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t dollar = text.find('$', pos + 1);
    Check(text[pos] == '#' && dollar != std::string::npos && dollar + 7 <= text.size());
    const std::string_view headword(text.data() + pos + 1, dollar - pos - 1);
    Check(headword.find('#') == std::string_view::npos);
    entries.push_back({static_cast<std::int32_t>(pos + 1), headword});
    pos = dollar + 7;
  }
  return entries;
}

struct Driver {
  Dictionary& dict;
  vokabi::ErrorClass& errors;
  const std::vector<Entry> entries = Entries(dict.BazaDumi());

  // Character set of the headword (or translation) of the entry at a position.
  int Charset(std::int32_t position, bool translation) const {
    const bool side1 = position < dict.Section2Start();
    return side1 != translation ? dict.Charset1() : dict.Charset2();
  }

  // A found word is an entry whose neighbour list starts at most 511 bytes before it, shown in
  // its side's character sets; a failed lookup reports why and keeps the previous result.
  void Lookup(std::string_view word, bool complete) {
    const auto result = [&] { return std::tuple(dict.Duma(), dict.Prevod(), dict.PredniDumi()); };
    const auto before = result();
    errors.Clear();
    if (complete ? dict.AutoComplete(word) : dict.Translate(word)) {
      Check(std::any_of(entries.begin(), entries.end(), [&](const Entry& e) {
        const std::int32_t back = e.position - dict.PredniDumi();
        return e.headword == dict.Duma() && back >= 0 && back <= 511 &&
               dict.DumaCHSet() == Charset(e.position, false) &&
               dict.PrevodCHSet() == Charset(e.position, true);
      }));
    } else {
      Check(errors.Nomer() != msg::kNone && result() == before);
    }
    List(dict.PredniDumi());
  }

  // The list from an entry is the next nine headwords, each with its side's character set; from
  // anywhere else it is empty with message 8.
  void List(std::int32_t start) {
    auto it = std::lower_bound(entries.begin(), entries.end(), start,
                               [](const Entry& e, std::int32_t p) { return e.position < p; });
    const bool isEntry = it != entries.end() && it->position == start;
    std::string list;
    std::vector<int> charsets;
    for (; isEntry && it != entries.end() && charsets.size() < 9; ++it) {
      list += (charsets.empty() ? "" : "\r\n") + std::string(it->headword);
      charsets.push_back(Charset(it->position, false));
    }
    errors.Clear();
    Check(dict.Load5Etikets(start) == list && dict.NeighbourCharsets(start) == charsets &&
          (isEntry || errors.Nomer() == msg::kBaseError));
  }

  // At most 20 entries are reachable, each a found word with the base's two character sets;
  // walking back and then forward again takes as many steps.
  int Walk(bool back) {
    int steps = 0;
    while (back ? dict.MovePredna() : dict.MoveSledvasta()) {
      const int h1 = dict.HistCharset1(), h2 = dict.HistCharset2();
      const int c1 = dict.Charset1(), c2 = dict.Charset2();
      Check(++steps < 20 && !dict.PrednaDuma().empty() &&
            ((h1 == c1 && h2 == c2) || (h1 == c2 && h2 == c1)));
      List(dict.PrednaPredni5());
    }
    return steps;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Reader in{std::string_view(reinterpret_cast<const char*>(data), size)};
  vokabi::ErrorClass errors;
  vokabi::MakeCrypto crypto(errors);
  const bool raw = in.Byte() % 2 == 0;
  const std::string file = raw ? in.Bytes(in.U16()) : LayOut(in, crypto);
  if (!raw && file.empty()) return 0;
  std::ofstream(Folder() / kFileName, std::ios::binary | std::ios::trunc)
      .write(file.data(), static_cast<std::streamsize>(file.size()));

  // The rest of the input is up to 24 words, one a line.
  std::istringstream lines{std::string(in.rest)};
  std::vector<std::string> words;
  for (std::string word; words.size() < 24 && std::getline(lines, word);) words.push_back(word);

  Dictionary dict(crypto, errors, Folder(), vokabi::SystemCaseMap);
  if (!dict.Initialize(kFileName)) {
    // Nothing can be looked up in a base that did not load.
    Check(!dict.Initi() && !dict.Translate("a") && !dict.AutoComplete("a") &&
          dict.Load5Etikets(1).empty() && dict.NeighbourCharsets(1).empty());
    return 0;
  }
  for (std::int32_t ezik = -1; ezik <= 9; ++ezik)
    for (std::int16_t cifra = 0; cifra <= 3; ++cifra)
      Check(dict.Ime_na_Dic(ezik, cifra).find('|') == std::string::npos);

  Driver driver{dict, errors};
  // Stored headwords reach found entries even when mutation has garbled the typed words.
  const auto& entries = driver.entries;
  for (std::size_t i = 0; i < 4 && i < entries.size(); ++i)
    words.emplace_back(entries[i * entries.size() / 4].headword);
  for (const std::string& word : words) {
    driver.Lookup(word, false);
    driver.Lookup(word, true);
    // Four or more bytes name any position, negative and huge ones included; fewer pick an entry.
    std::int32_t position = -1;
    if (!word.empty() && !entries.empty())
      position = entries[static_cast<unsigned char>(word[0]) % entries.size()].position;
    if (word.size() >= sizeof position) std::memcpy(&position, word.data(), sizeof position);
    driver.List(position);
    // The word's last byte steps the history, or leaves it to fill up.
    const unsigned step = word.empty() ? 0 : static_cast<unsigned char>(word.back()) % 4;
    if (step == 1) dict.MovePredna();
    if (step == 2) dict.MoveSledvasta();
  }
  driver.Walk(false);
  const int back = driver.Walk(true);
  Check(driver.Walk(false) == back);
  Check(dict.LookupBytes() > 0 || entries.empty());
  return 0;
}
