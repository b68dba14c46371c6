#include "engine/base_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/error_class.h"
#include "engine/base_header.h"
#include "engine/make_crypto.h"

namespace vokabi {
namespace {

// ASCII rules for charset 0; for 204, also folds E0-FF onto C0-DF as Cyrillic 1251 does.
CaseMap TestCaseMap(int charset) {
  CaseMap map = CaseMap::Ascii();
  if (charset == 204) {
    for (int c = 0xE0; c <= 0xFF; ++c) {
      map.upper[c] = static_cast<unsigned char>(c - 0x20);
      map.lower[c - 0x20] = static_cast<unsigned char>(c);
    }
  }
  return map;
}

struct Entry {
  std::string headword;
  std::uint32_t position = 0;  // 1-based position of the "#"
  std::uint32_t bodyPos = 0;
  std::uint32_t bodyLength = 0;
  std::uint32_t back = 0;
};

std::uint32_t Byte(const std::string& s, std::size_t i) {
  return static_cast<unsigned char>(s[i]);
}

// Walks the plain index text the way a reader does: "#", headword, "$", 6 locator bytes.
std::vector<Entry> ParseIndex(const std::string& index) {
  std::vector<Entry> out;
  std::size_t at = 0;
  while (at < index.size()) {
    EXPECT_EQ(index[at], '#') << "at " << at;
    const std::size_t dollar = index.find('$', at);
    if (dollar == std::string::npos || dollar + 7 > index.size()) {
      ADD_FAILURE() << "truncated entry at " << at;
      break;
    }
    Entry e;
    e.headword = index.substr(at + 1, dollar - at - 1);
    e.position = static_cast<std::uint32_t>(at + 1);
    const std::string loc = index.substr(dollar + 1, 6);
    e.bodyPos = Byte(loc, 0) * 65536 + Byte(loc, 1) * 256 + Byte(loc, 2);
    e.bodyLength = Byte(loc, 3) * 128 + Byte(loc, 4) / 2;
    e.back = (Byte(loc, 4) % 2) * 256 + Byte(loc, 5);
    out.push_back(e);
    at = dollar + 7;
  }
  return out;
}

std::vector<std::string> Headwords(const std::vector<Entry>& entries) {
  std::vector<std::string> out;
  for (const Entry& e : entries) out.push_back(e.headword);
  return out;
}

// Table records as (key, position) pairs.
std::vector<std::pair<int, std::uint32_t>> Records(const std::string& table) {
  std::vector<std::pair<int, std::uint32_t>> out;
  for (std::size_t i = 0; i + 4 <= table.size(); i += 4) {
    out.emplace_back(Byte(table, i),
                     Byte(table, i + 1) * 65536 + Byte(table, i + 2) * 256 + Byte(table, i + 3));
  }
  return out;
}

class BaseWriterTest : public ::testing::Test {
 protected:
  BaseImage SmallImage() const {
    BaseImage image;
    image.id = "enbgvk01";
    image.version = "0207";
    image.charset1 = 0;
    image.charset2 = 204;
    image.wordCount1 = 0x12345;
    image.wordCount2 = 7;
    image.key = "0123456789";
    image.names = {"a", "b,c", "", "d", "e", "f", "g"};
    image.table1 = std::string("H\0\0\x01", 4);
    image.table2 = std::string("K\0\0\x11", 4);
    image.index = "#house$123456#K$abcdef";
    image.region1 = "REGION-ONE";
    image.region2 = "REGION-2";
    return image;
  }

  std::string Encode(const BaseImage& image) {
    error_.clear();
    return EncodeBase(image, crypto_, &error_);
  }

  bool Build(const BaseSource& source, BaseImage* image) {
    error_.clear();
    return BuildBaseImage(source, crypto_, TestCaseMap, image, &error_);
  }

  ErrorClass errors_;
  MakeCrypto crypto_{errors_};
  std::string error_;
};

TEST_F(BaseWriterTest, LaysOutEveryFieldWhereTheReaderLooks) {
  const BaseImage image = SmallImage();
  const std::string file = Encode(image);
  ASSERT_FALSE(file.empty()) << error_;

  const std::size_t headerLength = 81 + 10 + (1 + 3 + 0 + 1 + 1 + 1 + 1 + 7) + 3 + 4 + 3 + 4;
  EXPECT_EQ(file.substr(5, 8), "enbgvk01");
  std::uint32_t value = 0;
  ASSERT_TRUE(ParseHex(file.substr(13, 4), &value));
  EXPECT_EQ(value, headerLength - 5);
  EXPECT_EQ(file.substr(38, 2), "00");
  EXPECT_EQ(file.substr(40, 2), "CC");
  EXPECT_EQ(file.substr(42, 1), "0");
  EXPECT_EQ(file.substr(43, 10), "1234500007");
  EXPECT_EQ(Byte(file, 67), 10u);
  EXPECT_EQ(file.substr(68, 10), image.key);
  EXPECT_EQ(file.substr(78, 5), "00000");
  EXPECT_EQ(file.substr(83, 4), "0207");
  EXPECT_EQ(file.substr(87, 4), "0000");
  EXPECT_EQ(file.substr(91, 22), std::string("a|b,c||d|e|f|g|004H\0\0\x01", 22));

  const std::string cipher = crypto_.Encrypt(image.index, image.key);
  ASSERT_TRUE(ParseHex(file.substr(17, 7), &value));
  EXPECT_EQ(value, cipher.size());
  EXPECT_EQ(file.substr(headerLength, cipher.size()), cipher);

  std::uint32_t dataBase1 = 0;
  std::uint32_t dataBase2 = 0;
  ASSERT_TRUE(ParseHex(file.substr(kDataBase1Offset, 7), &dataBase1));
  ASSERT_TRUE(ParseHex(file.substr(60, 7), &dataBase2));
  // A body at BodyPos 1 starts at offset DataBase - 1.
  EXPECT_EQ(file.substr(dataBase1 - 1, 10), "REGION-ONE");
  EXPECT_EQ(file.substr(dataBase2 - 1), "REGION-2");
  // The load span covers the header and the whole index.
  EXPECT_LE(headerLength + cipher.size(), dataBase1 + 5u);
}

TEST_F(BaseWriterTest, ReaderParsesWhatTheWriterLaysOut) {
  const BaseImage image = SmallImage();
  const std::string file = Encode(image);
  ASSERT_FALSE(file.empty()) << error_;
  BaseHeader header;
  ASSERT_TRUE(ParseBaseHeader(file, &header));
  EXPECT_EQ(header.baseId, image.id);
  EXPECT_EQ(header.version, image.version);
  EXPECT_EQ(header.key, image.key);
  EXPECT_EQ(header.charset2, 204);
  EXPECT_EQ(header.wordCount1, image.wordCount1);
  EXPECT_EQ(header.names, image.names);
  EXPECT_EQ(header.letters1['H'], 1);
  EXPECT_EQ(header.section2Start, 0x11);
  const std::string index = file.substr(header.indexOffset + 5, header.indexLength);
  EXPECT_EQ(crypto_.Decrypt(index, header.key), image.index);
}

TEST_F(BaseWriterTest, IndexOffsetCountsFromByteFive) {
  BaseImage image = SmallImage();
  image.table1.clear();
  image.table2.clear();
  image.names = {};
  // 81 + key 10 + seven "|" + two table lengths = 104; a name of 96 makes a 200-byte header.
  image.names[1] = std::string(96, 'n');
  const std::string file = Encode(image);
  ASSERT_FALSE(file.empty()) << error_;
  EXPECT_EQ(file.substr(13, 4), "00C3");
  EXPECT_EQ(file.substr(194, 6), "000000");
}

TEST_F(BaseWriterTest, RefusesValuesThatDoNotFitTheirFields) {
  const auto refused = [this](const BaseImage& image) {
    return Encode(image).empty() && !error_.empty();
  };
  BaseImage image = SmallImage();
  image.key = std::string(255, 'k');
  EXPECT_FALSE(Encode(image).empty()) << "a 255-byte key fits: " << error_;

  image = SmallImage();
  image.id = "enbgvk1";
  EXPECT_TRUE(refused(image));
  image.id = "enbgvk012";
  EXPECT_TRUE(refused(image));
  image = SmallImage();
  image.version = "01000";
  EXPECT_TRUE(refused(image));
  image = SmallImage();
  image.key.clear();
  EXPECT_TRUE(refused(image));
  image.key = std::string(256, 'k');
  EXPECT_TRUE(refused(image));
  image = SmallImage();
  image.names[6] = "Bul|garian";
  EXPECT_TRUE(refused(image));
  image = SmallImage();
  image.table2 += "X";
  EXPECT_TRUE(refused(image));
  image = SmallImage();
  image.table1.assign(0x1000, 'A');  // a multiple of 4, but over FFF
  EXPECT_TRUE(refused(image));
  image.table1.assign(0xFFC, 'A');
  EXPECT_FALSE(Encode(image).empty()) << error_;
  image = SmallImage();
  image.wordCount2 = 0x100000;
  EXPECT_TRUE(refused(image));
  image = SmallImage();
  image.charset1 = 256;
  EXPECT_TRUE(refused(image));
  image = SmallImage();
  image.index.clear();
  EXPECT_TRUE(refused(image));
  image = SmallImage();
  image.names[0] = std::string(0x8000, 'n');  // IndexOffset over 7FFF
  EXPECT_TRUE(refused(image));
}

BaseSource Source(std::vector<SideEntry> side1, std::vector<SideEntry> side2) {
  BaseSource source;
  source.key = "key";
  source.side1 = std::move(side1);
  source.side2 = std::move(side2);
  return source;
}

TEST_F(BaseWriterTest, SortsByCaseRulesOfEachSideAndKeepsInputOrderOnTies) {
  // Same bytes on both sides: side 1 (charset 0) does not fold E0, side 2 (204) does.
  const std::vector<SideEntry> words = {
      {"\xE0x", "1"}, {"\xC0y", "2"}, {"house", "3"}, {"House", "4"},
      {"HOUSE", "5"}, {"apple", "6"}, {"Zebra", "7"}, {"home", "8"},
  };
  BaseImage image;
  ASSERT_TRUE(Build(Source(words, words), &image)) << error_;
  const std::vector<Entry> entries = ParseIndex(image.index);
  ASSERT_EQ(entries.size(), 16u);
  const std::vector<std::string> side1 = {"apple", "home",  "HOUSE", "House",
                                          "house", "Zebra", "\xC0y", "\xE0x"};
  const std::vector<std::string> side2 = {"apple", "home",  "HOUSE", "House",
                                          "house", "Zebra", "\xE0x", "\xC0y"};
  const std::vector<std::string> all = Headwords(entries);
  EXPECT_EQ(std::vector<std::string>(all.begin(), all.begin() + 8), side1);
  EXPECT_EQ(std::vector<std::string>(all.begin() + 8, all.end()), side2);
  EXPECT_EQ(image.wordCount1, 8u);
  EXPECT_EQ(image.wordCount2, 8u);

  // One record per upper-cased first letter, pointing at the group's first "#".
  const auto table1 = Records(image.table1);
  const auto table2 = Records(image.table2);
  ASSERT_EQ(table1.size(), 5u);
  EXPECT_EQ(table1[0], std::make_pair(int{'A'}, entries[0].position));
  EXPECT_EQ(table1[2], std::make_pair(int{'Z'}, entries[5].position));
  EXPECT_EQ(table1[4], std::make_pair(0xE0, entries[7].position));
  ASSERT_EQ(table2.size(), 4u);
  EXPECT_EQ(table2[0], std::make_pair(int{'A'}, entries[8].position));
  EXPECT_EQ(table2[3], std::make_pair(0xC0, entries[14].position));
  EXPECT_EQ(table2[1].second, entries[9].position);
}

TEST_F(BaseWriterTest, LocatorsFindTheirBodiesInTheSidesRegion) {
  BaseImage image;
  ASSERT_TRUE(Build(
      Source({{"b", "bee"}, {"a", std::string(100, 'x')}}, {{"c", "sea"}, {"d", "dee\r\nline"}}),
      &image))
      << error_;
  const std::vector<Entry> entries = ParseIndex(image.index);
  ASSERT_EQ(entries.size(), 4u);
  const std::string* regions[] = {&image.region1, &image.region1, &image.region2, &image.region2};
  const std::string expected[] = {std::string(100, 'x'), "bee", "sea", "dee\r\nline"};
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::string body = regions[i]->substr(entries[i].bodyPos - 1, entries[i].bodyLength);
    EXPECT_EQ(crypto_.Decrypt(body, "key"), expected[i]) << "entry " << i;
  }
  EXPECT_EQ(entries[0].bodyLength, 104u);
  EXPECT_EQ(entries[0].bodyPos, 1u);
  EXPECT_EQ(entries[1].bodyPos, 105u);
  EXPECT_EQ(entries[2].bodyPos, 1u);
}

TEST_F(BaseWriterTest, LongBodyLengthAndNeighbourBitsShareByteFour) {
  // BodyLength 32760 = 255*128 + 120 and a reach whose distance is 256 or more.
  const std::string longHead(250, 'h');
  BaseImage image;
  BaseSource source =
      Source({{"a" + longHead, std::string(32759, 't')}, {"b" + longHead, "x"}}, {{"c", "y"}});
  source.neighboursBack = 1;
  ASSERT_TRUE(Build(source, &image)) << error_;
  const std::vector<Entry> entries = ParseIndex(image.index);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].bodyLength, 32760u);
  EXPECT_EQ(entries[0].back, 0u);
  EXPECT_EQ(entries[1].back, entries[1].position - entries[0].position);
  EXPECT_EQ(entries[1].back, 259u);  // "#", 251 bytes, "$", 6 locator bytes
  EXPECT_EQ(entries[1].bodyPos, 32761u);
}

TEST_F(BaseWriterTest, NeighbourReachRunsAcrossSectionsAndStopsAt511Bytes) {
  BaseSource source = Source({{"a", "1"}, {"b", "2"}, {"c", "3"}}, {{"d", "4"}, {"e", "5"}});
  source.neighboursBack = 2;
  BaseImage image;
  ASSERT_TRUE(Build(source, &image)) << error_;
  std::vector<Entry> entries = ParseIndex(image.index);
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(entries[0].back, 0u);
  EXPECT_EQ(entries[1].back, entries[1].position - entries[0].position);
  for (std::size_t i = 2; i < 5; ++i) {
    EXPECT_EQ(entries[i].back, entries[i].position - entries[i - 2].position) << i;
  }

  // Headwords of 300 bytes: two entries back is more than 511 bytes, one is not.
  source = Source({{"a" + std::string(300, 'a'), "1"}, {"b" + std::string(300, 'b'), "2"}},
                  {{"c" + std::string(300, 'c'), "3"}});
  source.neighboursBack = 4;
  ASSERT_TRUE(Build(source, &image)) << error_;
  entries = ParseIndex(image.index);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[2].back, entries[2].position - entries[1].position);

  source.neighboursBack = 0;
  ASSERT_TRUE(Build(source, &image)) << error_;
  for (const Entry& e : ParseIndex(image.index)) EXPECT_EQ(e.back, 0u);
}

TEST_F(BaseWriterTest, MergesExactDuplicatesOnlyWithinOneSide) {
  BaseImage image;
  ASSERT_TRUE(Build(
      Source({{"bank", "банка"}, {"Bank", "Банк"}, {"bank", "бряг"}}, {{"bank", "bank (side 2)"}}),
      &image))
      << error_;
  const std::vector<Entry> entries = ParseIndex(image.index);
  ASSERT_EQ(Headwords(entries), (std::vector<std::string>{"Bank", "bank", "bank"}));
  EXPECT_EQ(image.wordCount1, 2u);
  EXPECT_EQ(image.wordCount2, 1u);
  const std::string body = image.region1.substr(entries[1].bodyPos - 1, entries[1].bodyLength);
  EXPECT_EQ(crypto_.Decrypt(body, "key"), "банка\r\n\r\nбряг");
}

TEST_F(BaseWriterTest, RefusalsNameTheSideAndTheInputEntry) {
  const auto refusal = [this](std::vector<SideEntry> side1, std::vector<SideEntry> side2) {
    BaseImage image;
    EXPECT_FALSE(Build(Source(std::move(side1), std::move(side2)), &image));
    return error_;
  };
  const std::vector<SideEntry> ok = {{"ok", "ok"}};
  EXPECT_NE(refusal({{"a", "1"}, {"", "2"}}, ok).find("side 1, entry 2"), std::string::npos);
  EXPECT_NE(refusal(ok, {{"a", "1"}, {"b", "2"}, {"c#", "3"}}).find("side 2, entry 3"),
            std::string::npos);
  EXPECT_NE(refusal({{"$x", "1"}}, ok).find("side 1, entry 1"), std::string::npos);
  EXPECT_NE(refusal({{"tab\there", "1"}}, ok).find("control"), std::string::npos);
  EXPECT_NE(refusal({{"a", ""}}, ok).find("empty translation"), std::string::npos);
  // 32760 bytes encipher to 32768, one block over the limit; 32759 fit (see above).
  EXPECT_NE(refusal(ok, {{"z", std::string(32760, 't')}}).find("side 2, entry 1"),
            std::string::npos);
  EXPECT_NE(refusal(ok, {}).find("side 2"), std::string::npos);

  // Bytes 0x80 and up are letters of the side's code page, not control characters.
  const std::string ecole = std::string("\xE9") + "cole";
  BaseImage image;
  EXPECT_TRUE(Build(Source({{ecole, "1"}}, ok), &image)) << error_;
}

TEST_F(BaseWriterTest, MakesUpARandomPrintableKeyWhenNoneIsGiven) {
  BaseSource source = Source({{"a", "1"}}, {{"b", "2"}});
  source.key.clear();
  BaseImage first;
  BaseImage second;
  ASSERT_TRUE(Build(source, &first)) << error_;
  ASSERT_TRUE(Build(source, &second)) << error_;
  ASSERT_EQ(first.key.size(), 16u);
  for (const char c : first.key) EXPECT_TRUE(c > ' ' && c <= '~');
  EXPECT_NE(first.key, second.key);
  const std::vector<Entry> entries = ParseIndex(first.index);
  EXPECT_EQ(crypto_.Decrypt(first.region1.substr(0, entries[0].bodyLength), first.key), "1");
}

}  // namespace
}  // namespace vokabi
