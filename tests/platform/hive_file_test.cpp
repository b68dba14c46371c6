#include "platform/posix/hive_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

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
                      {"SavePosition", 1},
                      {"Negative", -2},
                      {"Blob", RegBytes{kRegBinary, "\x01\x02\xFF"}},
                      {"Wide", RegBytes{0xB, std::string(8, '\0')}},
                      {"Nothing", RegBytes{kRegBinary, ""}}});
  hive.AddKey("Software\\Tarnvel\\Vokabi");
  EXPECT_EQ(Format(hive),
            "Windows Registry Editor Version 5.00\n"
            "\n"
            "[Software]\n"
            "\n"
            "[Software\\Tarnvel]\n"
            "@=\"default\"\n"
            "\"Style\"=\"Blue \\\"sky\\\" \\\\ dark\"\n"
            "\"SavePosition\"=dword:00000001\n"
            "\"Negative\"=dword:fffffffe\n"
            "\"Blob\"=hex:01,02,ff\n"
            "\"Wide\"=hex(b):00,00,00,00,00,00,00,00\n"
            "\"Nothing\"=hex:\n"
            "\n"
            "[Software\\Tarnvel\\Vokabi]\n"
            "\n");
  EXPECT_EQ(Format(Hive{}), "Windows Registry Editor Version 5.00\n\n");
}

TEST(HiveFormatTest, TextRoundTripsExactly) {
  const std::string texts[] = {"",
                               "plain",
                               "say \"hi\"",
                               "C:\\Program Files\\",
                               "\\\"",
                               "\"",
                               "two\nlines",
                               "crlf\r\nend\r\n",
                               "lone\rcarriage",
                               "\n",
                               "tab\there",
                               std::string("nul\0inside", 10),
                               "Кирилица: Речник",
                               "Нов\nред \"в кавички\" \\",
                               "emoji 😀\n"};
  std::vector<Value> values;
  for (std::size_t i = 0; i < std::size(texts); ++i)
    values.push_back({"v" + std::to_string(i), texts[i]});
  const std::string text = Format(OneKey(values));
  const std::optional<Hive> parsed = Parse(text);
  ASSERT_TRUE(parsed);
  for (std::size_t i = 0; i < std::size(texts); ++i)
    EXPECT_EQ(ValueOf(*parsed, "v" + std::to_string(i)), RegValue(texts[i])) << i;
  // Text that cannot stand between quotes goes as regedit's hex(1): UTF-16LE with its NUL.
  EXPECT_NE(
      text.find("\"v6\"=hex(1):74,00,77,00,6f,00,0a,00,6c,00,69,00,6e,00,65,00,73,00,00,00\n"),
      std::string::npos);
  EXPECT_NE(text.find("\"v10\"=\"tab\there\"\n"), std::string::npos);
}

TEST(HiveFormatTest, LongHexWrapsAsRegeditWrapsIt) {
  std::string bytes;
  for (int i = 0; i < 300; ++i) bytes += static_cast<char>(i);
  const std::string longText = std::string(100, 'x') + "\n" + std::string(60, 'y');
  const std::string text = Format(OneKey({{"Blob", RegBytes{kRegBinary, bytes}},
                                          {"Text", longText},
                                          {"A long value name that takes up room", 7}}));
  std::istringstream lines(text);
  int continued = 0;
  for (std::string line; std::getline(lines, line);) {
    EXPECT_LE(line.size(), 80u) << line;
    if (line.ends_with(",\\")) ++continued;
    if (line.starts_with(" ")) {
      EXPECT_TRUE(line.starts_with("  ") && line[2] != ' ') << line;
    }
  }
  EXPECT_GT(continued, 10);
  const std::optional<Hive> parsed = Parse(text);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(ValueOf(*parsed, "Blob"), RegValue(RegBytes{kRegBinary, bytes}));
  EXPECT_EQ(ValueOf(*parsed, "Text"), RegValue(longText));
}

TEST(HiveParseTest, ReadsWhatRegeditWrites) {
  const std::optional<Hive> hive = Parse(
      "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
      "\r\n"
      "; exported by hand\r\n"
      "[Software\\Tarnvel\\Vokabi]\r\n"
      "\"Upper\"=dword:0000FFFF\r\n"
      "\"Short\"=dword:1\r\n"
      "\"Expand\"=hex(2):25,00,00,00\r\n"
      "\"NoNul\"=hex(1):41,00,42,00\r\n"
      "\"Dword\"=hex(4):01,02,00,80\r\n"
      "\"OddDword\"=hex(4):01,02,03\r\n"
      "\"BadText\"=hex(1):00,d8,00,00\r\n"
      "\"Spaced\"=hex: 01 , 02,\\\r\n"
      "    03\r\n"
      "\r\n"
      "[software\\TARNVEL]\r\n"
      "\"Later\"=\"x\"\r\n"
      "[Software\\Tarnvel\\Vokabi]\r\n"
      "\"upper\"=dword:00000002\r\n");
  ASSERT_TRUE(hive);
  ASSERT_EQ(hive->keys.size(), 3u);
  EXPECT_EQ(hive->keys[0].path, "Software");
  EXPECT_EQ(hive->keys[1].path, "Software\\Tarnvel");
  EXPECT_EQ(hive->keys[1].values.size(), 1u);
  const Hive vokabi = Hive{{hive->keys[2]}};
  EXPECT_EQ(ValueOf(vokabi, "Upper"), RegValue(2));  // a repeated value: the last one counts
  EXPECT_EQ(ValueOf(vokabi, "Short"), RegValue(1));
  EXPECT_EQ(ValueOf(vokabi, "Expand"), RegValue(RegBytes{2, std::string("%\0\0\0", 4)}));
  EXPECT_EQ(ValueOf(vokabi, "NoNul"), RegValue(std::string("AB")));
  EXPECT_EQ(ValueOf(vokabi, "Dword"), RegValue(static_cast<std::int32_t>(0x80000201)));
  EXPECT_EQ(ValueOf(vokabi, "OddDword"), RegValue(RegBytes{kRegDword, "\x01\x02\x03"}));
  // A lone surrogate is no text: the bytes stay as they were, and are written back so.
  const RegValue badText = RegBytes{kRegSz, std::string("\x00\xD8\x00\x00", 4)};
  EXPECT_EQ(ValueOf(vokabi, "BadText"), badText);
  EXPECT_EQ(ValueOf(vokabi, "Spaced"), RegValue(RegBytes{kRegBinary, "\x01\x02\x03"}));
  EXPECT_EQ(ValueOf(*Parse(Format(vokabi)), "BadText"), badText);
  ASSERT_TRUE(Parse(""));
  EXPECT_TRUE(Parse("")->keys.empty());
}

TEST(HiveParseTest, RefusesDamagedText) {
  const std::string header = "Windows Registry Editor Version 5.00\n\n";
  for (const char* text : {"REGEDIT4\n\n[A]\n", "Windows Registry Editor Version 5.00 \n", "\n",
                           "Windows Registry Editor Version 5.00\n\"Early\"=dword:00000001\n"})
    EXPECT_FALSE(Parse(text)) << text;
  for (const char* section : {"[]", "[A\\\\B]", "[\\A]", "[A\\]", "[A", "[\xFF]"})
    EXPECT_FALSE(Parse(header + section + "\n")) << section;
  for (const char* line :
       {"garbage", "\"Open=\"x\"", "\"X\"=\"unterminated", "\"X\"=\"bad \\n escape\"",
        "\"X\"=\"x\" trailing", "\"X\"=dword:123456789", "\"X\"=dword:", "\"X\"=dword:xyz",
        "\"X\"=hex:1g", "\"X\"=hex:123", "\"X\"=hex:01,", "\"X\"=hex(z):01", "\"X\"=hex(1:01",
        "\"X\"=-", "@", "\"X\"", "\"Ctl\x01\"=dword:00000001", "\"X\"=\"\xC3\x28\""})
    EXPECT_FALSE(Parse(header + "[A]\n" + line + "\n")) << line;
}

TEST(HiveNamesTest, CaseIsIgnoredAndKeysComeAfterTheirParents) {
  EXPECT_TRUE(SameName("Software\\Tarnvel", "SOFTWARE\\tarnvel"));
  EXPECT_TRUE(SameName("Настройки-Ä", "НАСТРОЙКИ-ä"));
  EXPECT_FALSE(SameName("Style", "Styles"));
  EXPECT_FALSE(SameName("Настройки", "Настройка"));
  EXPECT_TRUE(IsKeyPath("Software\\Ключ с интервал"));
  for (const char* bad : {"", "\\", "\\A", "A\\", "A\\\\B", "A\nB", "A\tB", "\xC3"})
    EXPECT_FALSE(IsKeyPath(bad)) << bad;
  EXPECT_TRUE(IsValueName("") && IsValueName("back\\slash \"quoted\""));
  EXPECT_FALSE(IsValueName("line\nbreak") || IsValueName("\xE2\x82"));

  Hive hive;
  hive.AddKey("A\\B\\C");
  hive.AddKey("a\\b");
  hive.AddKey("A\\D");
  std::vector<std::string> paths;
  for (const Key& key : hive.keys) paths.push_back(key.path);
  EXPECT_EQ(paths, (std::vector<std::string>{"A", "A\\B", "A\\B\\C", "A\\D"}));
  EXPECT_EQ(hive.FindKey("a\\B\\c"), &hive.keys[2]);
  EXPECT_EQ(hive.FindKey("A\\B\\C\\D"), nullptr);
  EXPECT_TRUE(hive.HasSubkeys("a") && hive.HasSubkeys("A\\b"));
  EXPECT_FALSE(hive.HasSubkeys("A\\B\\C") || hive.HasSubkeys("A\\D"));
  // A child before its parent in a file still gives the parent first.
  const std::optional<Hive> parsed =
      Parse("Windows Registry Editor Version 5.00\n\n[X\\Y]\n\n[X]\n\"V\"=dword:00000003\n");
  ASSERT_TRUE(parsed);
  ASSERT_EQ(parsed->keys.size(), 2u);
  EXPECT_EQ(parsed->keys[0].path, "X");
  EXPECT_EQ(parsed->keys[0].values.size(), 1u);
}

}  // namespace
}  // namespace vokabi::platform::hive
