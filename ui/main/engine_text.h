#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace vokabi::ui {

// Engine text is single-byte in a Windows character set; widgets show Unicode. These are the only
// crossings between the two.

// Bytes of a character set as Unicode, with the code page of that set.
QString DecodeText(int charset, std::string_view bytes);

// What the user typed, for the engine, by the rule of platform::EncodeForBase.
std::string EncodeWord(const QString& text, int charset1, int charset2);

}  // namespace vokabi::ui
