#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/engine/hand_made_base.h"

namespace vokabi::test {
namespace {

// The same base read twice: the whole index deciphered at load, and only what each call reads.
class OnDemandTest : public HandMadeBaseTest {
 protected:
  // A base read the one way or the other, with its own cipher and error object.
  struct Reader {
    Reader(const std::filesystem::path& folder, const std::string& name, IndexLoad load)
        : dic(crypto, errors, folder, SystemCaseMap) {
      loaded = dic.Initialize(name, load);
      errors.Clear();
    }
    ErrorClass errors;
    MakeCrypto crypto{errors};
    Dictionary dic;
    bool loaded = false;
  };

  // Every headword of the whole index, with a guess at words around them.
  std::vector<std::string> Words() const {
    std::vector<std::string> words{"", "+++", "zz", "Q", "\xea\xfa", " house.", "HOUSE", "ok"};
    const std::string& text = dictionary.BazaDumi();
    for (std::size_t pos = 0; pos < text.size();) {
      const std::size_t dollar = text.find('$', pos + 1);
      const std::string word = text.substr(pos + 1, dollar - pos - 1);
      words.push_back(word);
      words.push_back(word.substr(0, 1));
      words.push_back(word.substr(0, 3));
      words.push_back("(" + word + ")");
      words.push_back(word + "x");
      pos = dollar + 7;
    }
    return words;
  }

  static void ExpectSame(const Reader& whole, const Reader& part, const std::string& what) {
    EXPECT_EQ(part.dic.Duma(), whole.dic.Duma()) << what;
    EXPECT_EQ(part.dic.Prevod(), whole.dic.Prevod()) << what;
    EXPECT_EQ(part.dic.PredniDumi(), whole.dic.PredniDumi()) << what;
    EXPECT_EQ(part.dic.DumaCHSet(), whole.dic.DumaCHSet()) << what;
    EXPECT_EQ(part.dic.PrevodCHSet(), whole.dic.PrevodCHSet()) << what;
    EXPECT_EQ(part.errors.Nomer(), whole.errors.Nomer()) << what;
  }

  // Every lookup, completion and neighbour list, each in a fresh reader as vkb makes one per
  // command, answers alike. A call that needs the whole index is run again over it by vkb, so
  // it answers alike by construction; with `clean` there must be none.
  void ExpectSameAnswers(const std::string& name, bool clean = true) {
    const std::filesystem::path& dir = folder.Path();
    ASSERT_TRUE(dictionary.Initialize(name));
    for (const std::string& word : Words()) {
      for (const bool complete : {false, true}) {
        Reader whole(dir, name, IndexLoad::kWhole);
        Reader part(dir, name, IndexLoad::kOnDemand);
        ASSERT_TRUE(part.loaded && whole.loaded);
        EXPECT_EQ(part.dic.IndexSize(), whole.dic.BazaDumi().size());
        const bool w = complete ? whole.dic.AutoComplete(word) : whole.dic.Translate(word);
        const bool p = complete ? part.dic.AutoComplete(word) : part.dic.Translate(word);
        const std::string what = name + (complete ? " complete " : " lookup ") + word;
        if (part.dic.NeedsWholeIndex()) {
          EXPECT_FALSE(clean) << what;
          continue;
        }
        EXPECT_EQ(p, w) << what;
        ExpectSame(whole, part, what);
      }
    }
    const auto size = static_cast<std::int32_t>(dictionary.BazaDumi().size());
    for (std::int32_t pos = -1; pos <= size + 2; ++pos) {
      Reader whole(dir, name, IndexLoad::kWhole);
      Reader part(dir, name, IndexLoad::kOnDemand);
      const std::string list = part.dic.Load5Etikets(pos);
      const std::string what = name + " at " + std::to_string(pos);
      if (part.dic.NeedsWholeIndex()) {
        EXPECT_FALSE(clean) << what;
        continue;
      }
      EXPECT_EQ(list, whole.dic.Load5Etikets(pos)) << what;
      EXPECT_EQ(part.errors.Nomer(), whole.errors.Nomer()) << what;
      EXPECT_EQ(part.dic.NeighbourCharsets(pos), whole.dic.NeighbourCharsets(pos)) << what;
    }
    // Each side's headwords, in the order of the base, none lost at the split.
    Reader whole(dir, name, IndexLoad::kWhole);
    Reader part(dir, name, IndexLoad::kOnDemand);
    std::vector<std::string_view> all;
    for (const int side : {1, 2}) {
      const std::vector<std::string_view> words = whole.dic.Headwords(side);
      EXPECT_EQ(part.dic.Headwords(side), words) << name << " side " << side;
      all.insert(all.end(), words.begin(), words.end());
    }
    std::size_t entries = 0;
    const std::string& text = dictionary.BazaDumi();
    for (std::size_t pos = 0; pos < text.size(); pos = text.find('$', pos + 1) + 7) ++entries;
    EXPECT_EQ(all.size(), entries) << name;
  }
};
TEST_F(OnDemandTest, TheSampleBaseAnswersAsTheWholeIndexDoes) {
  ASSERT_TRUE(WriteBase(folder / "enbg.vkb", EnglishBulgarianSample()));
  ExpectSameAnswers("enbg.vkb");
}

TEST_F(OnDemandTest, DamagedBasesThatLoadAnswerAsTheWholeIndexDoes) {
  {  // B's group in the middle of "apple", A's beyond the text: round from the top
    BaseImage image = Blank();
    const std::string a = Body(image, "first");
    const std::string b = Body(image, "second");
    image.index = "#apple$" + a + "#banana$" + b;
    image.table1 = Record('B', 3) + Record('A', 9999);
    ASSERT_TRUE(WriteImage(folder / "off.vkb", image));
    ExpectSameAnswers("off.vkb", false);
  }
  {  // a group that claims a "#" inside a locator, and bodies outside the file
    BaseImage image = Blank();
    const std::string far = Locator(0x236162, 4608, 0);  // bytes 1 to 3 spell "#ab"
    image.index = "#xy$" + far + "#ab$" + Body(image, "near", 10) + "#far$" +
                  Locator(0xFFFFFF, 0x7FFF, 0) + "#odd$" + Locator(1, 5, 0);
    image.table1 = Record('X', 1) + Record('A', 5) + Record('F', 19);
    ASSERT_TRUE(WriteImage(folder / "markers.vkb", image));
    ExpectSameAnswers("markers.vkb", false);
  }
  {  // two sections, Cyrillic guessed on the wrong side, a second table starting at 0
    BaseImage image = Blank();
    image.index = "#ok$" + Body(image, "one") + "#\xea\xfa\xf9\xe0$" + Body(image, "two", 13) +
                  "#ok$" + Body(image, "three");
    image.table1 = Record('O', 1);
    image.table2 = Record('\xca', 11) + Record('O', 0);
    ASSERT_TRUE(WriteImage(folder / "sides.vkb", image));
    ExpectSameAnswers("sides.vkb");
  }
}

TEST_F(OnDemandTest, ABrokenIndexAsksForTheWholeIndexWhereASearchMeetsIt) {
  BaseImage image = Blank();
  image.index = "#apple$" + Body(image, "first") + "#b#anana$" + Body(image, "second") +
                "#cherry$" + Body(image, "third");
  image.table1 = Record('A', 1) + Record('C', 31);
  ASSERT_TRUE(WriteImage(folder / "broken.vkb", image));
  Reader whole(folder.Path(), "broken.vkb", IndexLoad::kWhole);
  EXPECT_FALSE(whole.loaded);
  Reader part(folder.Path(), "broken.vkb", IndexLoad::kOnDemand);
  ASSERT_TRUE(part.loaded);

  // Found before the break: the answer the text holds.
  ASSERT_TRUE(part.dic.Translate("apple"));
  EXPECT_EQ(part.dic.Prevod(), "first");
  EXPECT_FALSE(part.dic.NeedsWholeIndex());
  // A search that walks into the break leaves the answer to the whole load, which fails.
  EXPECT_FALSE(part.dic.Translate("banana"));
  EXPECT_TRUE(part.dic.NeedsWholeIndex());
  EXPECT_EQ(part.errors.Nomer(), msg::kMissingFile);
  EXPECT_EQ(part.dic.Duma(), "apple");

  Reader listing(folder.Path(), "broken.vkb", IndexLoad::kOnDemand);
  EXPECT_TRUE(listing.dic.Headwords(1).empty());
  EXPECT_TRUE(listing.dic.NeedsWholeIndex());
}

TEST_F(OnDemandTest, AWrongKeyFailsAtLoadAsTheWholeIndexDoes) {
  ASSERT_TRUE(WriteBase(folder / "enbg.vkb", EnglishBulgarianSample()));
  std::string bytes;
  {
    std::ifstream in(folder / "enbg.vkb", std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), {});
  }
  bytes[68] = static_cast<char>(bytes[68] ^ 1);  // first key byte
  std::ofstream(folder / "bad.vkb", std::ios::binary) << bytes;
  errors.Clear();
  EXPECT_FALSE(dictionary.Initialize("bad.vkb"));
  ErrorClass partErrors;
  MakeCrypto partCrypto(partErrors);
  Dictionary part(partCrypto, partErrors, folder.Path(), SystemCaseMap);
  EXPECT_FALSE(part.Initialize("bad.vkb", IndexLoad::kOnDemand));
  EXPECT_EQ(partErrors.Nomer(), errors.Nomer());
  EXPECT_EQ(partErrors.Nomer(), msg::kMissingFile);
}

}  // namespace
}  // namespace vokabi::test
