#include "tests/support/sample_base.h"

#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/codepage.h"

namespace vokabi::test {
namespace {

using Pair = std::pair<std::string_view, std::string_view>;

// Headword, translation; in input order, deliberately unsorted.
constexpr Pair kEnglish[] = {
    {"house", "къща; дом"},
    {"apple", "ябълка"},
    {"book", "книга"},
    {"bread", "хляб"},
    {"café", "кафене"},
    {"cat", "котка"},
    {"dog", "куче"},
    {"door", "врата"},
    {"home", "дом; у дома"},
    {"household", "домакинство"},
    {"houseboat", "плаваща къща"},
    {"March", "март"},
    {"march", "марширувам\r\nпоход"},
    {"naïve", "наивен"},
    {"OK", "добре"},
    {"polish", "лъскам"},
    {"Polish", "полски"},
    {"résumé", "автобиография"},
    {"school", "училище"},
    {"table", "маса"},
    {"tree", "дърво"},
    {"turkey", "пуйка"},
    {"Turkey", "Турция"},
    {"water", "вода"},
    {"window", "прозорец"},
    {"word", "дума"},
    {"zebra", "зебра"},
};

constexpr Pair kBulgarian[] = {
    {"къща", "house"},      {"ябълка", "apple"},   {"книга", "book"}, {"врата", "door"},
    {"вода", "water"},      {"дом", "home"},       {"дума", "word"},  {"зебра", "zebra"},
    {"котка", "cat"},       {"куче", "dog"},       {"маса", "table"}, {"OK", "okay"},
    {"прозорец", "window"}, {"училище", "school"}, {"хляб", "bread"}, {"кафене", "café"},
    {"Турция", "Turkey"},   {"пуйка", "turkey"},   {"дърво", "tree"}, {"наивен", "naïve"},
};

// Names of the pair in the seven interface languages, Cyrillic for Bulgarian and Russian.
constexpr std::string_view kNames[7] = {
    "Английски,Български", "English,Bulgarian", "Anglais,Bulgare",       "Englisch,Bulgarisch",
    "Inglés,Búlgaro",      "Inglese,Bulgaro",   "Английский,Болгарский",
};

std::vector<SideEntry> Encode(std::span<const Pair> pairs, int wordCharset,
                              int translationCharset) {
  std::vector<SideEntry> out;
  for (const auto& [word, translation] : pairs) {
    out.push_back({platform::EncodeCharset(wordCharset, word).bytes,
                   platform::EncodeCharset(translationCharset, translation).bytes});
  }
  return out;
}

}  // namespace

BaseSource EnglishBulgarianSample() {
  BaseSource source;
  source.id = "enbgvk01";
  source.version = "0100";
  source.charset1 = 0;
  source.charset2 = 204;
  source.key = "sample-key";
  for (int k = 0; k < 7; ++k) {
    source.names[k] = platform::EncodeCharset(k == 0 || k == 6 ? 204 : 0, kNames[k]).bytes;
  }
  source.side1 = Encode(kEnglish, 0, 204);
  source.side2 = Encode(kBulgarian, 204, 0);
  return source;
}

BaseSource RussianBulgarianSample() {
  const auto cyr = [](std::string_view utf8) { return platform::EncodeCharset(204, utf8).bytes; };
  BaseSource source;
  source.id = "rubgvk01";
  source.key = "same-letters";
  source.charset1 = 204;
  source.charset2 = 204;
  source.names = {"Руски,Български",     "Russian,Bulgarian", "Russe,Bulgare",
                  "Russisch,Bulgarisch", "Ruso,Búlgaro",      "Russo,Bulgaro",
                  "Русский,Болгарский"};
  // The Bulgarian and Russian fields are Cyrillic, the others Western.
  for (std::size_t k = 0; k < source.names.size(); ++k) {
    source.names[k] = platform::EncodeCharset(k == 0 || k == 6 ? 204 : 0, source.names[k]).bytes;
  }
  source.side1 = {{cyr("собака"), cyr("куче")}, {cyr("стол"), cyr("маса")}};
  source.side2 = {{cyr("куче"), cyr("собака")}, {cyr("стол"), cyr("стул")}};
  return source;
}

}  // namespace vokabi::test
