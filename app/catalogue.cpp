#include "app/catalogue.h"

#include <cassert>
#include <string>
#include <unordered_map>
#include <utility>

#include "app/catalogue_tables.h"
#include "app/language.h"
#include "platform/codepage.h"

namespace vokabi {

namespace {

using Table = std::unordered_map<std::int32_t, std::string>;

constexpr std::int32_t kLanguageStep = 1000;
constexpr std::int32_t kMessageKeysPerLanguage = kLanguageStep * 10;

std::string SingleByte(std::string_view utf8) {
  const platform::Encoded encoded = platform::EncodeCharset(catalogue::kStoredCharset, utf8);
  assert(encoded.unfit == 0 && "catalogue text without a Windows-1251 byte");
  return encoded.bytes;
}

const Table& MessageTable() {
  static const Table table = [] {
    Table built;
    for (const catalogue::MessageEntry& entry : catalogue::Messages()) {
      for (int language = 0; language < catalogue::kLanguages; ++language) {
        built.emplace(language * kMessageKeysPerLanguage + entry.number,
                      SingleByte(entry.text[language]));
      }
    }
    return built;
  }();
  return table;
}

const Table& UiTextTable() {
  static const Table table = [] {
    Table built;
    for (const catalogue::UiTextEntry& entry : catalogue::UiTexts()) {
      for (int language = 0; language < catalogue::kLanguages; ++language) {
        std::string text = SingleByte(entry.text[language]);
        if (entry.n == catalogue::kWebLineText) text += kWebAddress;
        built.emplace(language * kLanguageStep + entry.n, std::move(text));
      }
    }
    return built;
  }();
  return table;
}

}  // namespace

std::string MessageText(std::int32_t offset, std::int32_t nomer) {
  const Table& table = MessageTable();
  // Wraps instead of overflowing for numbers near the limits; such keys are never in the table.
  const auto key = static_cast<std::int32_t>(static_cast<std::uint32_t>(offset) * 10u +
                                             static_cast<std::uint32_t>(nomer));
  const auto found = table.find(key);
  if (found != table.end()) return found->second;
  return "Error " + std::to_string(nomer);
}

std::string LoadResString(std::int32_t id) {
  const Table& table = UiTextTable();
  const auto found = table.find(id);
  return found == table.end() ? std::string() : found->second;
}

std::string UiText(const InterfaceLanguage& language, int n) {
  return LoadResString(language.LanguageOffset + n);
}

}  // namespace vokabi
