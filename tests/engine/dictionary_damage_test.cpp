#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <future>
#include <iterator>
#include <mutex>
#include <string>
#include <thread>

#include "engine/base_header.h"
#include "tests/engine/hand_made_base.h"

namespace vokabi::test {
namespace {

// Runs the call on a thread of its own. Should it not return within a long while (a read that
// takes the end of a file for progress goes round for ever), the test program ends failed.
template <typename Call>
auto WithinAWhile(Call call) {
  auto result = std::async(std::launch::async, call);
  if (result.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
    std::fputs("a call on a base cut short never returned\n", stderr);
    std::_Exit(1);
  }
  return result.get();
}

// Damaged bases, hand-made or changed from the sample, and what loading and lookups say of them.
class DamageTest : public HandMadeBaseTest {
 protected:
  std::string ReadFile(const std::string& name) {
    std::ifstream file(folder / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  }
  void WriteFile(const std::string& name, const std::string& bytes) {
    std::ofstream(folder / name, std::ios::binary | std::ios::trunc) << bytes;
  }
  // The sample base with its bytes changed by the function, loaded from "bad.vkb".
  template <typename Change>
  bool LoadChanged(Change change) {
    if (!WriteBase(folder / "good.vkb", EnglishBulgarianSample())) return false;
    std::string bytes = ReadFile("good.vkb");
    change(bytes);
    WriteFile("bad.vkb", bytes);
    errors.Clear();
    return dictionary.Initialize("bad.vkb");
  }
};

TEST_F(DamageTest, UnreadableHeadersFailWithMessage1) {
  EXPECT_FALSE(dictionary.Initialize("missing.vkb"));
  EXPECT_EQ(errors.Nomer(), msg::kNoSettings);
  EXPECT_FALSE(dictionary.Initi());

  EXPECT_FALSE(LoadChanged([](std::string& b) { b.resize(50); }));
  EXPECT_EQ(errors.Nomer(), msg::kNoSettings);
  EXPECT_FALSE(LoadChanged([](std::string& b) { b[45] = 'G'; }));  // WordCount1 not hex
  EXPECT_EQ(errors.Nomer(), msg::kNoSettings);
  EXPECT_FALSE(LoadChanged([](std::string& b) { b[13] = '8'; }));  // IndexOffset over 7FFF
  EXPECT_EQ(errors.Nomer(), msg::kNoSettings);
  EXPECT_FALSE(LoadChanged([](std::string& b) {
    for (char& c : b) c = c == '|' ? '/' : c;  // no name field ends
  }));
  EXPECT_EQ(errors.Nomer(), msg::kNoSettings);
  EXPECT_FALSE(dictionary.Initi());
}

// Lengthens the first-letter table of side 1 by the bytes, moving the index and both data regions
// on so that everything else still reads.
void GrowTable1(std::string& b, const std::string& extra) {
  const auto hex = [&](std::size_t at, int digits, std::size_t add) {
    const auto value = std::stoul(b.substr(at, static_cast<std::size_t>(digits)), nullptr, 16);
    char field[9];
    std::snprintf(field, sizeof field, "%0*lX", digits, value + add);
    b.replace(at, static_cast<std::size_t>(digits), field);
  };
  std::size_t at = 81 + static_cast<unsigned char>(b[67]);
  for (int k = 0; k < 7; ++k) at = b.find('|', at) + 1;
  b.insert(at + 3 + std::stoul(b.substr(at, 3), nullptr, 16), extra);
  hex(at, 3, extra.size());
  hex(13, 4, extra.size());  // IndexOffset
  hex(53, 7, extra.size());  // DataBase1
  hex(60, 7, extra.size());  // DataBase2
}

TEST_F(DamageTest, AFirstLetterTableOfPartRecordsFailsWithMessage1) {
  // A whole extra record is harmless; a stray byte is not.
  ASSERT_TRUE(LoadChanged([](std::string& b) { GrowTable1(b, std::string(4, '\0')); }));
  ASSERT_TRUE(dictionary.Translate("zebra"));
  for (const std::size_t stray : {1u, 2u, 3u}) {
    EXPECT_FALSE(LoadChanged([&](std::string& b) { GrowTable1(b, std::string(stray, '\0')); }));
    EXPECT_EQ(errors.Nomer(), msg::kNoSettings) << stray;
  }
}

TEST_F(DamageTest, IndexBlocksThatCannotDecipherFailWithMessage2) {
  EXPECT_FALSE(LoadChanged([](std::string& b) { b[68] ^= 1; }));  // another key
  EXPECT_EQ(errors.Nomer(), msg::kMissingFile);
  EXPECT_FALSE(LoadChanged([](std::string& b) { b.resize(b.size() / 3); }));  // cut in the index
  EXPECT_EQ(errors.Nomer(), msg::kMissingFile);
  EXPECT_FALSE(LoadChanged([](std::string& b) { b.replace(17, 7, "0FFFFFF"); }));  // past the span
  EXPECT_EQ(errors.Nomer(), msg::kMissingFile);
}

// Listing a base reads its header only: a header that does not read or an index block the file
// does not hold is told at once; a block that holds but does not decipher only by the load.
TEST_F(DamageTest, AHeaderReadListsTheBaseWithoutLoadingIt) {
  ASSERT_TRUE(WriteBase(folder / "good.vkb", EnglishBulgarianSample()));
  ASSERT_TRUE(dictionary.ReadHeader("good.vkb"));
  EXPECT_FALSE(dictionary.Initi());
  EXPECT_EQ(dictionary.ID().substr(0, 4), "enbg");
  EXPECT_EQ(dictionary.Ime_na_Dic(1, 1), "English");
  EXPECT_GT(dictionary.BroiDumi1(), 0);
  EXPECT_EQ(dictionary.Charset2(), 204);
  errors.Clear();
  EXPECT_FALSE(dictionary.Translate("house"));
  EXPECT_FALSE(dictionary.AutoComplete("hou"));

  const auto readChanged = [&](auto change) {
    std::string bytes = ReadFile("good.vkb");
    change(bytes);
    WriteFile("bad.vkb", bytes);
    errors.Clear();
    return dictionary.ReadHeader("bad.vkb");
  };
  EXPECT_FALSE(readChanged([](std::string& b) { b[45] = 'G'; }));
  EXPECT_EQ(errors.Nomer(), msg::kNoSettings);
  EXPECT_FALSE(readChanged([](std::string& b) { b.resize(b.size() / 3); }));
  EXPECT_EQ(errors.Nomer(), msg::kMissingFile);
  EXPECT_TRUE(readChanged([](std::string& b) { b[68] ^= 1; }));  // another key
  EXPECT_FALSE(dictionary.Initialize("bad.vkb"));
  EXPECT_EQ(errors.Nomer(), msg::kMissingFile);
  EXPECT_FALSE(dictionary.ReadHeader("missing.vkb"));
}

TEST_F(DamageTest, AnEmptyKeyDoesNotLoad) {
  EXPECT_FALSE(LoadChanged([](std::string& b) {
    // KeyLength 0: the old key bytes now read as the reserved fields and names.
    const std::size_t keyLength = static_cast<unsigned char>(b[67]);
    b[67] = '\0';
    b.erase(68, keyLength);
  }));
  EXPECT_EQ(errors.Nomer(), msg::kMissingFile);
}

TEST_F(DamageTest, AHugeLoadSpanOnASmallFileReadsOnlyTheFile) {
  std::string bytes(1024, '0');
  bytes.replace(53, 7, "FFFFFFF");
  WriteFile("huge.vkb", bytes);
  EXPECT_FALSE(dictionary.Initialize("huge.vkb"));
  EXPECT_TRUE(errors.Nomer() == msg::kNoSettings || errors.Nomer() == msg::kMissingFile);
}

// Only regular files are bases: a FIFO would block the opening until some writer came, a device
// would read without end.
TEST_F(DamageTest, AFifoOrADeviceNamedLikeABaseDoesNotLoadAndDoesNotBlock) {
  ASSERT_EQ(mkfifo((folder / "fifo.vkb").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", folder / "zero.vkb");
  for (const char* name : {"fifo.vkb", "zero.vkb"}) {
    // Should the opening block, a writer comes after a while to end it, and the test fails.
    std::mutex mutex;
    std::condition_variable loaded;
    bool done = false;
    bool rescued = false;
    std::thread rescuer([&] {
      std::unique_lock lock(mutex);
      if (loaded.wait_for(lock, std::chrono::seconds(10), [&] { return done; })) return;
      rescued = true;
      const int fd = open((folder / "fifo.vkb").c_str(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) close(fd);
    });
    errors.Clear();
    EXPECT_FALSE(dictionary.Initialize(name)) << name;
    EXPECT_EQ(errors.Nomer(), msg::kNoSettings) << name;
    {
      const std::lock_guard lock(mutex);
      done = true;
    }
    loaded.notify_one();
    rescuer.join();
    EXPECT_FALSE(rescued) << name;
  }
}

TEST_F(DamageTest, AnIndexThatIsNotASequenceOfEntriesFails) {
  for (const std::string& index : {std::string("no entries here"), std::string("#ab$12345"),
                                   std::string("#a#b$123456"), std::string("#ab$123456x")}) {
    BaseImage image = Blank();
    image.index = index;
    errors.Clear();
    EXPECT_FALSE(LoadImage(image)) << index;
    EXPECT_EQ(errors.Nomer(), msg::kMissingFile) << index;
  }
}

TEST_F(DamageTest, MarkersInsideLocatorsAreNotEntries) {
  BaseImage image = Blank();
  // Entry "xy" gets a body whose locator bytes spell "#ab$": the body must then stand at
  // region position 0x236162.
  const std::uint32_t farPos = 0x236162;
  image.region1.assign(farPos - 1, '\0');
  const std::string xyBody = crypto.Encrypt(std::string(4600, 'x'), kKey);
  ASSERT_EQ(xyBody.size(), 4608u);
  image.region1 += xyBody;
  const std::string xyLocator = Locator(farPos, 4608, 0);
  const std::string abLocator = Body(image, "near", 10);
  image.index = "#xy$" + xyLocator + "#ab$" + abLocator;
  image.table1 = Record('X', 1) + Record('A', 11);
  ASSERT_EQ(image.index.substr(4, 4), "#ab$");
  ASSERT_TRUE(LoadImage(image));

  ASSERT_TRUE(dictionary.Translate("ab"));
  EXPECT_EQ(dictionary.Duma(), "ab");
  EXPECT_EQ(dictionary.Prevod(), "near");
  EXPECT_EQ(dictionary.PredniDumi(), 1);
  EXPECT_EQ(dictionary.Load5Etikets(1), "xy\r\nab");
  ASSERT_TRUE(dictionary.AutoComplete("a"));
  EXPECT_EQ(dictionary.Duma(), "ab");
}

TEST_F(DamageTest, BodiesOutsideTheFileOrUndecipherableFailTheLookupOnly) {
  BaseImage image = Blank();
  const std::string good = Body(image, "fine");
  image.index = "#far$" + Locator(0xFFFFFF, 0x7FFF, 0) + "#good$" + good + "#odd$" +
                Locator(1, 5, 0);  // 5 bytes are not a whole block
  image.table1 = Record('F', 1);
  ASSERT_TRUE(LoadImage(image));

  ASSERT_TRUE(dictionary.Translate("good"));
  EXPECT_FALSE(dictionary.Translate("far"));
  EXPECT_EQ(errors.Nomer(), msg::kCannotTranslate);
  EXPECT_EQ(dictionary.Duma(), "good");
  EXPECT_FALSE(dictionary.AutoComplete("fa"));
  EXPECT_EQ(errors.Nomer(), msg::kNotCompleted);

  // A body that does not decipher fails the lookup; the result and the history stay.
  EXPECT_FALSE(dictionary.Translate("odd"));
  EXPECT_EQ(errors.Nomer(), msg::kMissingFile);
  EXPECT_EQ(dictionary.Duma(), "good");
  EXPECT_EQ(dictionary.Prevod(), "fine");
  EXPECT_EQ(dictionary.PrednaDuma(), "good");
  EXPECT_FALSE(dictionary.MovePredna());
}

TEST_F(DamageTest, TablePositionsOffEntriesStillFindTheNextEntry) {
  BaseImage image = Blank();
  const std::string a = Body(image, "first");
  const std::string b = Body(image, "second");
  image.index = "#apple$" + a + "#banana$" + b;
  // B's group claims the middle of "apple"; A's group lies beyond the text.
  image.table1 = Record('B', 3) + Record('A', 9999);
  ASSERT_TRUE(LoadImage(image));
  ASSERT_TRUE(dictionary.Translate("banana"));
  // Nothing lies past the text, so the search goes round from the top and finds it.
  ASSERT_TRUE(dictionary.Translate("apple"));
  EXPECT_EQ(dictionary.Prevod(), "first");
  // Without a second table every entry is on side 1.
  ASSERT_TRUE(dictionary.Translate("BANANA"));
  EXPECT_EQ(dictionary.DumaCHSet(), 0);
}

// A base cut short while it is open on demand, as when it is replaced or its disk fills: each
// call that reads where the file now ends fails with the message of an unreadable base, at once,
// and asks for no whole load; once the file is whole again the same object reads it.
TEST_F(DamageTest, ABaseCutShortWhileOpenOnDemandFailsEachCallWithItsMessage) {
  ASSERT_TRUE(WriteBase(folder / "enbg.vkb", EnglishBulgarianSample()));
  const std::string whole = ReadFile("enbg.vkb");
  BaseHeader header;
  ASSERT_TRUE(ParseBaseHeader(whole, &header));
  const std::uintmax_t indexBegin = header.indexOffset + 5;
  // Nothing left at all; or the index's first cipher block only, so that a read ends mid-way.
  for (const std::uintmax_t size : {std::uintmax_t{0}, indexBegin + 8}) {
    WriteFile("enbg.vkb", whole);
    ASSERT_TRUE(dictionary.Initialize("enbg.vkb", IndexLoad::kOnDemand)) << size;
    std::filesystem::resize_file(folder / "enbg.vkb", size);
    const std::string before = dictionary.Duma();
    const auto failsWith = [&](auto call, int message) {
      errors.Clear();
      EXPECT_FALSE(WithinAWhile(call)) << size << " " << message;
      EXPECT_EQ(errors.Nomer(), message) << size;
      EXPECT_FALSE(dictionary.NeedsWholeIndex()) << size << " " << message;
    };
    failsWith([&] { return dictionary.Translate("house"); }, msg::kCannotTranslate);
    failsWith([&] { return dictionary.AutoComplete("hou"); }, msg::kNotCompleted);
    failsWith([&] { return !dictionary.Load5Etikets(1).empty(); }, msg::kBaseError);
    Article article;
    failsWith([&] { return dictionary.ReadArticle(1, &article); }, msg::kCannotTranslate);
    failsWith([&] { return !dictionary.Headwords(1).empty(); }, msg::kCannotTranslate);
    EXPECT_EQ(dictionary.Duma(), before);

    // Written whole again in place: what could not be read before is read now.
    std::ofstream(folder / "enbg.vkb", std::ios::binary | std::ios::in | std::ios::out) << whole;
    EXPECT_TRUE(dictionary.Translate("house")) << size;
    EXPECT_EQ(dictionary.Prevod(), Cp1251("къща; дом")) << size;
  }
}

}  // namespace
}  // namespace vokabi::test
