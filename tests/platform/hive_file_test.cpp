#include "platform/posix/hive_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace vokabi::platform::hive {
namespace {

Hive OneKey(std::vector<Value> values) {
  Hive hive;
  hive.AddKey("Software\\Tarnvel").values = std::move(values);
  return hive;
}

RegValue ValueOf(const Hive& hive, std::string_view name) {
  Hive copy = hive;
  const Value* value = copy.keys.back().FindValue(name);
  return value ? value->data : RegValue(RegBytes{0, "missing"});
}

TEST(HiveFormatTest, WritesTheExportLayout) {
  Hive hive = OneKey({{"", std::string("default")},
                      {"Style", std::string("Blue \"sky\" \\ dark")},
                      {"Negative", -2},
                      {"Blob", RegBytes{kRegBinary, "\x01\x02\xFF"}},
                      {"Wide", RegBytes{0xB, std::string(2, '\0')}}});
  hive.AddKey("Software\\Tarnvel\\Vokabi");
  EXPECT_EQ(Format(hive),
            "Windows Registry Editor Version 5.00\n\n[Software]\n\n[Software\\Tarnvel]\n"
            "@=\"default\"\n"
            "\"Style\"=\"Blue \\\"sky\\\" \\\\ dark\"\n"
            "\"Negative\"=dword:fffffffe\n"
            "\"Blob\"=hex:01,02,ff\n"
            "\"Wide\"=hex(b):00,00\n\n"
            "[Software\\Tarnvel\\Vokabi]\n\n");
}

TEST(HiveFormatTest, TextAndLongHexRoundTripExactly) {
  std::string bytes;
  for (int i = 0; i < 300; ++i) bytes += static_cast<char>(i);
  const std::string texts[] = {"",
                               "\\\"",
                               "two\nlines",
                               "crlf\r\nend\r\n",
                               "tab\there",
                               std::string("nul\0inside", 10),
                               "Нов\nред \"в кавички\" \\",
                               std::string(100, 'x') + "\n" + std::string(60, 'y')};
  std::vector<Value> values{{"Blob", RegBytes{kRegBinary, bytes}}};
  for (std::size_t i = 0; i < std::size(texts); ++i)
    values.push_back({"v" + std::to_string(i), texts[i]});
  const std::string text = Format(OneKey(values));
  const std::optional<Hive> parsed = Parse(text);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(ValueOf(*parsed, "Blob"), RegValue(RegBytes{kRegBinary, bytes}));
  for (std::size_t i = 0; i < std::size(texts); ++i)
    EXPECT_EQ(ValueOf(*parsed, "v" + std::to_string(i)), RegValue(texts[i])) << i;
  // Text that cannot stand between quotes goes as regedit's hex(1): UTF-16LE with its NUL.
  EXPECT_NE(
      text.find("\"v2\"=hex(1):74,00,77,00,6f,00,0a,00,6c,00,69,00,6e,00,65,00,73,00,00,00\n"),
      std::string::npos);
  EXPECT_NE(text.find("\"v4\"=\"tab\there\"\n"), std::string::npos);
  // Long hex wraps as regedit wraps it.
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    const bool indented = line.starts_with(" ");
    EXPECT_TRUE(line.size() <= 80 && (!indented || (line.starts_with("  ") && line[2] != ' ')))
        << line;
  }
}

TEST(HiveParseTest, ReadsWhatRegeditWrites) {
  const std::optional<Hive> hive = Parse(
      "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n; exported by hand\r\n"
      "[Software\\Tarnvel\\Vokabi]\r\n"
      "\"Upper\"=dword:0000FFFF\r\n"
      "\"NoNul\"=hex(1):41,00,42,00\r\n"
      "\"BadText\"=hex(1):00,d8,00,00\r\n"
      "\"Spaced\"=hex: 01 , 02,\\\r\n"
      "    03\r\n"
      "\r\n"
      "[software\\TARNVEL]\r\n\"Later\"=\"x\"\r\n"
      "[Software\\Tarnvel\\Vokabi]\r\n"
      "\"upper\"=dword:00000002\r\n");
  ASSERT_TRUE(hive);
  ASSERT_EQ(hive->keys.size(), 3u);
  EXPECT_EQ(hive->keys[0].path, "Software");
  EXPECT_EQ(hive->keys[1].path, "Software\\Tarnvel");
  EXPECT_EQ(hive->keys[1].values.size(), 1u);
  const Hive vokabi = Hive{{hive->keys[2]}};
  EXPECT_EQ(ValueOf(vokabi, "Upper"), RegValue(2));  // a repeated value: the last one counts
  EXPECT_EQ(ValueOf(vokabi, "NoNul"), RegValue(std::string("AB")));
  EXPECT_EQ(ValueOf(vokabi, "Spaced"), RegValue(RegBytes{kRegBinary, "\x01\x02\x03"}));
  // A lone surrogate is no text: the bytes stay as they were, and are written back so.
  const RegValue badText = RegBytes{kRegSz, std::string("\x00\xD8\x00\x00", 4)};
  EXPECT_EQ(ValueOf(vokabi, "BadText"), badText);
  EXPECT_EQ(ValueOf(*Parse(Format(vokabi)), "BadText"), badText);
}

TEST(HiveParseTest, RefusesDamagedText) {
  const std::string header = "Windows Registry Editor Version 5.00\n\n";
  for (const char* text : {"REGEDIT4\n\n[A]\n", "\n",
                           "Windows Registry Editor Version 5.00\n\"Early\"=dword:00000001\n"})
    EXPECT_FALSE(Parse(text)) << text;
  for (const char* section : {"[]", "[A\\\\B]", "[A", "[\xFF]"})
    EXPECT_FALSE(Parse(header + section + "\n")) << section;
  for (const char* line :
       {"garbage", "\"X\"=\"unterminated", "\"X\"=\"x\" trailing", "\"X\"=dword:123456789",
        "\"X\"=hex:123", "\"X\"=hex:01,", "\"X\"=-", "\"X\"=\"\xC3\x28\""})
    EXPECT_FALSE(Parse(header + "[A]\n" + line + "\n")) << line;
}

TEST(HiveNamesTest, CaseIsIgnoredAndKeysComeAfterTheirParents) {
  EXPECT_TRUE(SameName("Software\\Tarnvel", "SOFTWARE\\tarnvel"));
  EXPECT_TRUE(SameName("Настройки-Ä", "НАСТРОЙКИ-ä"));
  for (const char* bad : {"", "\\A", "A\\", "A\\\\B", "A\nB", "\xC3"})
    EXPECT_FALSE(IsKeyPath(bad)) << bad;
  Hive hive;
  hive.AddKey("A\\B\\C");
  hive.AddKey("a\\b");
  hive.AddKey("A\\D");
  std::vector<std::string> paths;
  for (const Key& key : hive.keys) paths.push_back(key.path);
  EXPECT_EQ(paths, (std::vector<std::string>{"A", "A\\B", "A\\B\\C", "A\\D"}));
  EXPECT_EQ(hive.FindKey("a\\B\\c"), &hive.keys[2]);
  EXPECT_TRUE(hive.HasSubkeys("A\\b"));
  EXPECT_FALSE(hive.HasSubkeys("A\\D"));
}

// Reading a value goes to the hive kept from the last read or write; the file is read again only
// when another writer replaced it or someone edited it in place.
TEST(HiveFileTest, TheFileIsReadAgainOnlyWhenItChangedOnDisk) {
  const test::TempFolder folder;
  HiveFile file(folder / "user.reg");
  const auto setStyle = [](HiveFile& hive, const std::string& style) {
    return hive.Update([&](Hive& h) {
      h.AddKey("Software\\Tarnvel").values = {{"Style", style}};
      return HiveFile::Edit::kWrite;
    });
  };
  ASSERT_TRUE(setStyle(file, "Gold"));
  for (int i = 0; i < 25; ++i) ASSERT_EQ(ValueOf(*file.Read(), "Style"), RegValue("Gold"));
  EXPECT_EQ(file.Reads(), 0u);

  HiveFile other(folder / "user.reg");  // another program's
  ASSERT_TRUE(setStyle(other, "Red"));
  EXPECT_EQ(ValueOf(*file.Read(), "Style"), RegValue("Red"));
  EXPECT_EQ(ValueOf(*file.Read(), "Style"), RegValue("Red"));
  EXPECT_EQ(file.Reads(), 1u);

  // Edited in place: the same file, other bytes.
  const std::string edited = Format(OneKey({{"Style", std::string("Blue")}}));
  std::ofstream(folder / "user.reg", std::ios::binary | std::ios::trunc) << edited;
  EXPECT_EQ(ValueOf(*file.Read(), "Style"), RegValue("Blue"));
  EXPECT_EQ(file.Reads(), 2u);
  std::filesystem::remove(folder / "user.reg");
  EXPECT_TRUE(file.Read()->keys.empty());
}

}  // namespace
}  // namespace vokabi::platform::hive
