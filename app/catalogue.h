#pragma once

#include <cstdint>
#include <string>

#include "app/language.h"

// The message table and the interface texts of all seven languages. Texts are single-byte: the
// Cyrillic ones in Windows-1251, the Western ones as the bytes that the original tables hold,
// which read correctly in Windows-1252 (so a French é is byte 0xE9).
namespace vokabi {

// Address of the product's web page, written behind interface text 4.
inline constexpr const char* kWebAddress = "www.vokabi.net";

// Text of message nomer in the language at offset (its key LanguageOffset * 10 + nomer); "Error "
// and the number when the table has no such key.
std::string MessageText(std::int32_t offset, std::int32_t nomer);

// Interface text with resource id offset + n (n = 1 to 60); empty when the id has no text.
std::string LoadResString(std::int32_t id);

// Interface text n in the interface language.
std::string UiText(const InterfaceLanguage& language, int n);

}  // namespace vokabi
