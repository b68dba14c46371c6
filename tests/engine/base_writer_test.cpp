#include "engine/base_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/error_class.h"
#include "engine/make_crypto.h"

namespace vokabi {
namespace {

using namespace std::string_literals;

// ASCII rules for charset 0; for 204, also upper-cases E0-FF to C0-DF as Cyrillic 1251 does.
// Sorting and grouping read only the upper-case table.
CaseMap TestCaseMap(int charset) {
  CaseMap map = CaseMap::Ascii();
  for (int c = 0xE0; charset == 204 && c <= 0xFF; ++c)
    map.upper[c] = static_cast<unsigned char>(c - 0x20);
  return map;
}

// The n bytes at s[at] as a big-endian number; reading past the end throws and fails the test.
std::uint32_t Number(const std::string& s, std::size_t at, int n) {
  std::uint32_t value = 0;
  for (int k = 0; k < n; ++k) value = value * 256 + static_cast<unsigned char>(s.at(at + k));
  return value;
}

struct Entry {
  std::string headword;
  std::uint32_t position, bodyPos, bodyLength, back;  // position: 1-based, of the "#"
};

// Walks the plain index text the way a reader does: "#", headword, "$", then BodyPos in 3 bytes
// and 15 bits of BodyLength over 9 bits of neighbour reach.
std::vector<Entry> ParseIndex(const std::string& index) {
  std::vector<Entry> out;
  for (std::size_t at = 0, d = 0; at < index.size(); at = d + 7) {
    EXPECT_EQ(index[at], '#') << "at " << at;
    d = std::min(index.find('$', at), index.size());  // without a "$" the reads below throw
    out.push_back({index.substr(at + 1, d - at - 1), static_cast<std::uint32_t>(at + 1),
                   Number(index, d + 1, 3), Number(index, d + 4, 2) / 2,
                   Number(index, d + 5, 2) % 512});
  }
  return out;
}

BaseSource Source(std::vector<SideEntry> side1, std::vector<SideEntry> side2, int back = 4) {
  BaseSource source;
  source.key = "key";
  source.neighboursBack = back;
  source.side1 = std::move(side1);
  source.side2 = std::move(side2);
  return source;
}

class BaseWriterTest : public ::testing::Test {
 protected:
  bool Build(const BaseSource& source, BaseImage* image) {
    return BuildBaseImage(source, crypto_, TestCaseMap, image, &error_);
  }

  ErrorClass errors_;
  MakeCrypto crypto_{errors_};
  std::string error_;
};

TEST_F(BaseWriterTest, LaysOutEveryFieldWhereTheReaderLooks) {
  // Distinct values in every field; the header comes to 200 bytes.
  const BaseImage image{.id = "enbgvk01",
                        .version = "0207",
                        .wordCount1 = 0x12345,
                        .wordCount2 = 7,
                        .names = {"a", "b,c", "", "d", "e", "f", std::string(81, 'g')},
                        .key = "0123456789",
                        .table1 = "H\0\0\x01"s,
                        .table2 = "K\0\0\x11"s,
                        .index = "#house$123456#K$abcdef",
                        .region1 = "REGION-ONE",
                        .region2 = "REGION-2"};
  const std::string file = EncodeBase(image, crypto_, &error_);
  ASSERT_FALSE(file.empty()) << error_;
  // IndexOffset counts from byte 5, so a 200-byte header gives C3; the index enciphers to 24
  // bytes. A body at BodyPos 1 lies at DataBase - 1: DataBase1 is E1, DataBase2 ten bytes on.
  EXPECT_EQ(file.substr(5, 19), "enbgvk0100C30000018");
  EXPECT_EQ(file.substr(38, 29), "00CC0"s + "1234500007" + "00000E1" + "00000EB");
  EXPECT_EQ(file.substr(67, 24),
            "\n"s + "0123456789" + "00000" + "0207" + "0000");  // key length 10
  EXPECT_EQ(file.substr(91, 109),
            "a|b,c||d|e|f|" + std::string(81, 'g') + "|004H\0\0\x01"s + "004K\0\0\x11"s);
  EXPECT_EQ(file.substr(200), crypto_.Encrypt(image.index, image.key) + "REGION-ONEREGION-2");
}

TEST_F(BaseWriterTest, RefusesWhatCannotBeStored) {
  // Entries are numbered as given, whatever the sort does; header fields must fit their widths.
  const std::vector<SideEntry> ok = {{"ok", "ok"}};
  const struct {
    std::vector<SideEntry> side1, side2;
    std::string reason;
    void (*spoil)(BaseSource&) = [](BaseSource&) {};
  } bad[] = {
      {{{"a", "1"}, {"", "2"}}, ok, "side 1, entry 2: empty headword"},
      {ok, {{"a", "1"}, {"b", "2"}, {"c#", "3"}}, "side 2, entry 3: headword contains '#'"},
      {{{"$x", "1"}}, ok, "side 1, entry 1: headword contains '$'"},
      {{{"tab\there", "1"}}, ok, "side 1, entry 1: headword contains a control character"},
      {ok, {{"a", ""}}, "side 2, entry 1: empty translation"},
      // 32760 bytes encipher to 32768, one block too many; 32759 fit (see the locator test).
      {ok, {{"z", "1"}, {"a", std::string(32760, 't')}}, "side 2, entry 2: translation enciphers"},
      {ok, {}, "side 2 has no entries"},
      {ok, ok, "the key must be", [](BaseSource& s) { s.key.assign(256, 'k'); }},
      {ok, ok, "the base id must be", [](BaseSource& s) { s.id = "enbgvk1"; }},
      {ok, ok, "the base id must be", [](BaseSource& s) { s.id = "enbgvk012"; }},
      {ok, ok, "the version must be", [](BaseSource& s) { s.version = "01000"; }},
      {ok, ok, "language name 6 contains '|'", [](BaseSource& s) { s.names[6] = "Bul|garian"; }},
      {ok, ok, "a character set must be", [](BaseSource& s) { s.charset2 = 256; }},
      {ok, ok, "the header is longer", [](BaseSource& s) { s.names[0].assign(0x8000, 'n'); }},
  };
  for (const auto& row : bad) {
    BaseSource source = Source(row.side1, row.side2);
    row.spoil(source);
    BaseImage image;
    const bool stored = Build(source, &image) && !EncodeBase(image, crypto_, &error_).empty();
    EXPECT_FALSE(stored) << row.reason;
    EXPECT_TRUE(error_.starts_with(row.reason)) << error_;
  }
}

TEST_F(BaseWriterTest, SortsAndMergesEachSideByItsOwnCaseRules) {
  // Same bytes on both sides: side 1 (charset 0) does not fold E0, side 2 (204) does. Case
  // variants stay apart, in byte order; side 1's second "house" joins the first in input order.
  std::vector<SideEntry> words = {{"\xE0x", "1"}, {"\xC0y", "2"}, {"house", "3"}, {"House", "4"},
                                  {"HOUSE", "5"}, {"apple", "6"}, {"Zebra", "7"}, {"home", "8"}};
  BaseSource source = Source(words, words);
  source.side1.push_back({"house", "9"});
  source.key.clear();  // made up: 16 printable characters
  BaseImage image;
  ASSERT_TRUE(Build(source, &image)) << error_;
  const std::vector<Entry> entries = ParseIndex(image.index);
  std::string headwords;
  for (const Entry& e : entries) headwords += e.headword + " ";
  ASSERT_EQ(headwords,
            "apple home HOUSE House house Zebra \xC0y \xE0x apple home HOUSE House house Zebra "
            "\xE0x \xC0y ");
  EXPECT_EQ(image.wordCount1, 8u);
  EXPECT_EQ(image.wordCount2, 8u);
  EXPECT_EQ(image.key.size(), 16u);
  for (const char c : image.key) EXPECT_TRUE(c > ' ' && c <= '~');
  const std::string merged = image.region1.substr(entries[4].bodyPos - 1, entries[4].bodyLength);
  EXPECT_EQ(crypto_.Decrypt(merged, image.key), "3\r\n\r\n9");
}

TEST_F(BaseWriterTest, OrderKeysOrderALetterGroupButNeverSplitIt) {
  // Keys that would put "b" first and interleave the groups: the groups stay whole, in byte
  // order of their letters; inside the A group the keys decide; equal headwords still merge.
  BaseSource source = Source({{"ab", "1"}, {"b", "2"}, {"aa", "3"}, {"ab", "4"}}, {{"x", "5"}});
  source.order1 = {"2", "0", "3", "2"};
  BaseImage image;
  ASSERT_TRUE(Build(source, &image)) << error_;
  std::string headwords;
  for (const Entry& e : ParseIndex(image.index)) headwords += e.headword + " ";
  EXPECT_EQ(headwords, "ab aa b x ");
  EXPECT_EQ(image.wordCount1, 3u);

  source.order1.pop_back();
  EXPECT_FALSE(Build(source, &image));
  EXPECT_EQ(error_, "side 1: not one order key per entry");
}

TEST_F(BaseWriterTest, LocatorsPackTheBodyAndANeighbourReachOfAtMost511Bytes) {
  // An entry takes its headword + 8 bytes: 255, 256, then 9 each. Three back from "d" is 520
  // bytes, so it reaches two; "f" could reach four within 511 bytes but is held to three.
  const std::string longBody(32759, 't');  // enciphers to 32760 = 255 * 128 + 120
  BaseSource source =
      Source({{std::string(247, 'a'), "1"}, {std::string(248, 'b'), "2"}, {"c", longBody}},
             {{"d", "4"}, {"e", "5"}, {"f", "6"}}, 3);
  source.key.assign(255, 'k');  // the longest key
  BaseImage image;
  ASSERT_TRUE(Build(source, &image)) << error_;
  EXPECT_NE(EncodeBase(image, crypto_, &error_), "") << error_;
  const std::vector<Entry> entries = ParseIndex(image.index);
  std::vector<std::uint32_t> backs;
  for (const Entry& e : entries) backs.push_back(e.back);
  ASSERT_EQ(backs, (std::vector<std::uint32_t>{0, 255, 511, 265, 274, 27}));
  // BodyPos 17 after two 8-byte bodies; byte 4 holds BodyLength's low 7 bits over the reach's 9th.
  EXPECT_EQ(image.index.substr(entries[2].position + 2, 6), "\0\0\x11\xFF\xF1\xFF"s);
  EXPECT_EQ(crypto_.Decrypt(image.region1.substr(16, 32760), source.key), longBody);
  EXPECT_EQ(entries[3].bodyPos, 1u);  // each side's region starts afresh
}

}  // namespace
}  // namespace vokabi
