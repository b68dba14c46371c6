#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

// The catalogue's tables as written, in UTF-8; catalogue.cpp turns them into the single-byte
// texts of catalogue.h once.
namespace vokabi::catalogue {

// Languages in offset order: Bulgarian, English, French, German, Spanish, Italian, Russian.
inline constexpr int kLanguages = 7;
using Texts = std::array<std::string_view, kLanguages>;

// The texts are stored as Windows-1251 bytes: Cyrillic letters for Bulgarian and Russian, and
// for the Western languages the letters whose bytes read as their accents in Windows-1252.
inline constexpr int kStoredCharset = 204;

struct MessageEntry {
  std::int32_t number;
  Texts text;
};

struct UiTextEntry {
  int n;
  Texts text;
};

// Interface text followed by the product's web address.
inline constexpr int kWebLineText = 4;

std::span<const MessageEntry> Messages();
std::span<const UiTextEntry> UiTexts();

}  // namespace vokabi::catalogue
