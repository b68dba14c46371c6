#include "engine/base_writer.h"

#include <algorithm>
#include <cstddef>
#include <random>
#include <string_view>

#include "engine/base_header.h"

namespace vokabi {
namespace {

constexpr std::uint32_t kMaxHex3 = 0xFFF;
constexpr std::uint32_t kMaxHex5 = 0xFFFFF;
constexpr std::uint32_t kMaxHex7 = 0xFFFFFFF;
constexpr std::uint32_t kMax24 = 0xFFFFFF;
constexpr std::size_t kMaxBody = 32767;
constexpr std::uint32_t kMaxNeighbourBack = 511;
constexpr std::size_t kRandomKeyLength = 16;
// Joins the translations of a headword that a side lists more than once.
constexpr std::string_view kMergeSeparator = "\r\n\r\n";

std::string Hex(std::uint32_t value, int digits) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out(static_cast<std::size_t>(digits), '0');
  for (int i = digits - 1; i >= 0; --i) {
    out[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
    value >>= 4;
  }
  return out;
}

bool Fail(std::string* error, std::string reason) {
  if (error != nullptr) *error = std::move(reason);
  return false;
}

void Append24(std::string& out, std::uint32_t value) {
  out.push_back(static_cast<char>((value >> 16) & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
  out.push_back(static_cast<char>(value & 0xFF));
}

bool CheckImage(const BaseImage& image, std::string* error) {
  if (image.id.size() != 8) return Fail(error, "the base id must be exactly 8 characters");
  if (image.version.size() != 4) return Fail(error, "the version must be exactly 4 characters");
  if (image.key.empty() || image.key.size() > 255) {
    return Fail(error, "the key must be 1 to 255 bytes");
  }
  if (image.charset1 < 0 || image.charset1 > 0xFF || image.charset2 < 0 || image.charset2 > 0xFF) {
    return Fail(error, "a character set must be 0 to 255");
  }
  if (image.wordCount1 > kMaxHex5 || image.wordCount2 > kMaxHex5) {
    return Fail(error, "a word count exceeds FFFFF");
  }
  for (std::size_t k = 0; k < image.names.size(); ++k) {
    if (image.names[k].find('|') != std::string::npos) {
      return Fail(error, "language name " + std::to_string(k) + " contains '|'");
    }
  }
  for (const std::string* table : {&image.table1, &image.table2}) {
    if (table->size() % 4 != 0 || table->size() > kMaxHex3) {
      return Fail(error, "a first-letter table must be a multiple of 4 bytes, at most FFF");
    }
  }
  if (image.index.empty()) return Fail(error, "the index is empty");
  return true;
}

// Writes text into its field of the header, which must be exactly as long.
void Put(std::string& out, HeaderField field, std::string_view text, std::size_t base = 0) {
  out.replace(base + field.offset, field.length, text);
}

void PutHex(std::string& out, HeaderField field, std::uint32_t value, std::size_t base = 0) {
  Put(out, field, Hex(value, static_cast<int>(field.length)), base);
}

// Everything in front of the enciphered index. IndexOffset and the two data bases stay zero
// until the sizes are known; the reserved fields are zero.
std::string Header(const BaseImage& image, std::uint32_t indexLength) {
  using namespace header;
  const std::size_t keyEnd = kKey.offset + image.key.size();
  std::string out(keyEnd + kNamesAfterKey, '0');
  Put(out, kLead, "VKB01");
  Put(out, kBaseId, image.id);
  PutHex(out, kIndexLength, indexLength);
  PutHex(out, kCharset1, static_cast<std::uint32_t>(image.charset1));
  PutHex(out, kCharset2, static_cast<std::uint32_t>(image.charset2));
  PutHex(out, kWordCount1, image.wordCount1);
  PutHex(out, kWordCount2, image.wordCount2);
  out[kKeyLength.offset] = static_cast<char>(image.key.size());
  out.replace(kKey.offset, image.key.size(), image.key);
  Put(out, kVersion, image.version, keyEnd);
  for (const std::string& name : image.names) {
    out += name;
    out += '|';
  }
  for (const std::string* table : {&image.table1, &image.table2}) {
    out += Hex(static_cast<std::uint32_t>(table->size()), static_cast<int>(kTableLength));
    out += *table;
  }
  return out;
}

// One side's entries after sorting and merging; `first` is the 1-based input number of the
// entry that opened it, for messages.
struct Merged {
  std::string headword;
  std::string translation;
  std::size_t first = 0;
};

std::string SideName(int side) {
  return "side " + std::to_string(side);
}

std::string EntryName(int side, std::size_t number) {
  return SideName(side) + ", entry " + std::to_string(number);
}

bool PrepareSide(const std::vector<SideEntry>& entries, const std::vector<std::string>& keys,
                 int side, const CaseMap& caseMap, std::vector<Merged>* merged,
                 std::string* error) {
  if (!keys.empty() && keys.size() != entries.size())
    return Fail(error, SideName(side) + ": not one order key per entry");
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::string& word = entries[i].headword;
    if (word.empty()) return Fail(error, EntryName(side, i + 1) + ": empty headword");
    for (const char c : word) {
      if (c == '#' || c == '$') {
        return Fail(error,
                    EntryName(side, i + 1) + ": headword contains '" + std::string(1, c) + "'");
      }
      if (static_cast<unsigned char>(c) < 0x20) {
        return Fail(error, EntryName(side, i + 1) + ": headword contains a control character");
      }
    }
    if (entries[i].translation.empty()) {
      return Fail(error, EntryName(side, i + 1) + ": empty translation");
    }
  }

  std::vector<std::size_t> order(entries.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  const auto foldedLess = [&caseMap](std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&caseMap](char x, char y) {
                                          return caseMap.upper[static_cast<unsigned char>(x)] <
                                                 caseMap.upper[static_cast<unsigned char>(y)];
                                        });
  };
  const auto rawLess = [](std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
  };
  // Stable, so equal headwords keep their input order and merge in it. Letter groups first, so
  // an order key cannot split a group; within one the key, then the byte order, which keeps
  // headwords that only the key holds equal apart from others.
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const std::string& wa = entries[a].headword;
    const std::string& wb = entries[b].headword;
    const unsigned char ga = caseMap.upper[static_cast<unsigned char>(wa[0])];
    const unsigned char gb = caseMap.upper[static_cast<unsigned char>(wb[0])];
    if (ga != gb) return ga < gb;
    if (!keys.empty() && keys[a] != keys[b]) return rawLess(keys[a], keys[b]);
    if (foldedLess(wa, wb)) return true;
    if (foldedLess(wb, wa)) return false;
    return rawLess(wa, wb);
  });

  merged->clear();
  for (const std::size_t i : order) {
    if (!merged->empty() && merged->back().headword == entries[i].headword) {
      merged->back().translation += kMergeSeparator;
      merged->back().translation += entries[i].translation;
    } else {
      merged->push_back({entries[i].headword, entries[i].translation, i + 1});
    }
  }
  if (merged->size() > kMaxHex5) {
    return Fail(error, SideName(side) + " has more than " + std::to_string(kMaxHex5) + " words");
  }
  return true;
}

bool EncipherSide(const std::vector<Merged>& entries, int side, const std::string& key,
                  MakeCrypto& crypto, std::string* region, std::vector<std::uint32_t>* bodyPos,
                  std::vector<std::uint32_t>* bodyLength, std::string* error) {
  for (const Merged& entry : entries) {
    const std::string body = crypto.Encrypt(entry.translation, key);
    if (body.empty()) return Fail(error, EntryName(side, entry.first) + ": cannot encipher");
    if (body.size() > kMaxBody) {
      return Fail(error, EntryName(side, entry.first) + ": translation enciphers to " +
                             std::to_string(body.size()) + " bytes, over 32767");
    }
    if (region->size() + body.size() > kMax24) {
      return Fail(error, "the data region of " + SideName(side) + " exceeds 16 MB");
    }
    bodyPos->push_back(static_cast<std::uint32_t>(region->size() + 1));
    bodyLength->push_back(static_cast<std::uint32_t>(body.size()));
    *region += body;
  }
  return true;
}

std::string RandomKey() {
  std::random_device device;
  std::uniform_int_distribution<int> printable('!', '~');
  std::string key(kRandomKeyLength, ' ');
  for (char& c : key) c = static_cast<char>(printable(device));
  return key;
}

}  // namespace

std::string EncodeBase(const BaseImage& image, MakeCrypto& crypto, std::string* error) {
  if (!CheckImage(image, error)) return {};
  const std::string index = crypto.Encrypt(image.index, image.key);
  if (index.empty()) {
    Fail(error, "the index cannot be enciphered");
    return {};
  }
  if (index.size() > kMaxHex7) {
    Fail(error, "the enciphered index exceeds FFFFFFF bytes");
    return {};
  }
  std::string out = Header(image, static_cast<std::uint32_t>(index.size()));
  const std::size_t indexOffset = out.size() - header::kLead.length;
  if (indexOffset > header::kMaxOffset) {
    Fail(error, "the header is longer than 7FFF bytes");
    return {};
  }
  // A body at BodyPos 1 lies at offset DataBase - 1, so each base is its region's offset + 1.
  const std::size_t dataBase1 = out.size() + index.size() + 1;
  const std::size_t dataBase2 = dataBase1 + image.region1.size();
  if (dataBase2 + image.region2.size() > kMaxHex7) {
    Fail(error, "the file would exceed FFFFFFF bytes");
    return {};
  }
  PutHex(out, header::kIndexOffset, static_cast<std::uint32_t>(indexOffset));
  PutHex(out, header::kDataBase1, static_cast<std::uint32_t>(dataBase1));
  PutHex(out, header::kDataBase2, static_cast<std::uint32_t>(dataBase2));
  out.reserve(out.size() + index.size() + image.region1.size() + image.region2.size());
  out += index;
  out += image.region1;
  out += image.region2;
  return out;
}

bool BuildBaseImage(const BaseSource& source, MakeCrypto& crypto, const CaseMapProvider& caseMaps,
                    BaseImage* image, std::string* error) {
  if (source.key.size() > 255) return Fail(error, "the key must be at most 255 bytes");
  if (source.neighboursBack < 0) return Fail(error, "the neighbour reach must not be negative");
  if (source.side2.empty()) {
    return Fail(error, "side 2 has no entries, so the start of section 2 cannot be recorded");
  }

  BaseImage out;
  out.id = source.id;
  out.version = source.version;
  out.names = source.names;
  out.charset1 = source.charset1;
  out.charset2 = source.charset2;
  out.key = source.key.empty() ? RandomKey() : source.key;

  const std::vector<SideEntry>* inputs[2] = {&source.side1, &source.side2};
  const int charsets[2] = {source.charset1, source.charset2};
  std::vector<Merged> sides[2];
  std::string* regions[2] = {&out.region1, &out.region2};
  std::string* tables[2] = {&out.table1, &out.table2};
  std::vector<std::uint32_t> bodyPos[2];
  std::vector<std::uint32_t> bodyLength[2];
  CaseMap maps[2];
  for (int s = 0; s < 2; ++s) {
    maps[s] = caseMaps(charsets[s]);
    if (!PrepareSide(*inputs[s], s == 0 ? source.order1 : source.order2, s + 1, maps[s], &sides[s],
                     error)) {
      return false;
    }
    if (!EncipherSide(sides[s], s + 1, out.key, crypto, regions[s], &bodyPos[s], &bodyLength[s],
                      error)) {
      return false;
    }
  }
  out.wordCount1 = static_cast<std::uint32_t>(sides[0].size());
  out.wordCount2 = static_cast<std::uint32_t>(sides[1].size());

  // Offsets of every "#" so far, across both sections: neighbour lists run on between them.
  std::vector<std::size_t> starts;
  starts.reserve(sides[0].size() + sides[1].size());
  for (int s = 0; s < 2; ++s) {
    int lastKey = -1;
    for (std::size_t i = 0; i < sides[s].size(); ++i) {
      const Merged& entry = sides[s][i];
      const std::size_t here = out.index.size();
      const int key = maps[s].upper[static_cast<unsigned char>(entry.headword[0])];
      if (key != lastKey) {
        if (here + 1 > kMax24) {
          return Fail(error, EntryName(s + 1, entry.first) + ": index position beyond 24 bits");
        }
        tables[s]->push_back(static_cast<char>(key));
        Append24(*tables[s], static_cast<std::uint32_t>(here + 1));
        lastKey = key;
      }
      std::size_t back = std::min(static_cast<std::size_t>(source.neighboursBack), starts.size());
      while (back > 0 && here - starts[starts.size() - back] > kMaxNeighbourBack) --back;
      const auto distance =
          static_cast<std::uint32_t>(back == 0 ? 0 : here - starts[starts.size() - back]);
      starts.push_back(here);

      out.index += '#';
      out.index += entry.headword;
      out.index += '$';
      const std::uint32_t length = bodyLength[s][i];
      Append24(out.index, bodyPos[s][i]);
      out.index.push_back(static_cast<char>(length >> 7));
      out.index.push_back(static_cast<char>(((length & 0x7F) << 1) | (distance >> 8)));
      out.index.push_back(static_cast<char>(distance & 0xFF));
    }
  }
  *image = std::move(out);
  return true;
}

}  // namespace vokabi
