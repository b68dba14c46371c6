#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

#include "app/error_class.h"

namespace vokabi::vkb {

using Json = nlohmann::ordered_json;

// {"ok": false, "message": N, "text": …} from the message object, its text in the interface
// language.
Json Failure(const ErrorClass& errors);
// The same for a failure of the tool itself (a bad argument in the shell), text in UTF-8.
Json Failure(std::int32_t message, const std::string& text);

// {"ok": true, "word", "translation", "position", "word_charset", "translation_charset"}; the two
// texts are single-byte in their character sets.
Json Found(const std::string& word, const std::string& translation, std::int32_t position,
           int wordCharset, int translationCharset);

// One object on one line, flushed at once so that a driver reading line by line sees it.
void PrintJson(const Json& result);

// Prints a result as JSON or as readable text (failures go to stderr) and gives the exit status.
int Emit(const Json& result, bool json);

}  // namespace vokabi::vkb
