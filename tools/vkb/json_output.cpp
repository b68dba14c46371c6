#include "tools/vkb/json_output.h"

#include <iostream>

#include "app/language.h"
#include "tools/vkb/charset_text.h"
#include "tools/vkb/vkb.h"

namespace vokabi::vkb {
namespace {

// Translations break lines with CR LF; indent each line under its headword.
void PrintIndented(const std::string& text) {
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::cout << "  " << line << '\n';
    start = end + 1;
  }
}

}  // namespace

Json Failure(const ErrorClass& errors) {
  return Failure(errors.Nomer(), ToUtf8(errors.Language().LanguageCharset, errors.MsgText()));
}

Json Failure(std::int32_t message, const std::string& text) {
  Json out;
  out["ok"] = false;
  out["message"] = message;
  out["text"] = text;
  return out;
}

Json Found(const std::string& word, const std::string& translation, std::int32_t position,
           int wordCharset, int translationCharset) {
  Json out;
  out["ok"] = true;
  out["word"] = ToUtf8(wordCharset, word);
  out["translation"] = ToUtf8(translationCharset, translation);
  out["position"] = position;
  out["word_charset"] = wordCharset;
  out["translation_charset"] = translationCharset;
  return out;
}

void PrintJson(const Json& result) {
  std::cout << result.dump(-1, ' ', false, Json::error_handler_t::replace) << std::endl;
}

int Emit(const Json& result, bool json) {
  const bool ok = result.value("ok", false);
  if (json) {
    PrintJson(result);
  } else if (!ok) {
    std::cerr << "vkb: " << result.value("text", std::string()) << " (message "
              << result.value("message", 0) << ")\n";
    if (result.contains("suggestions") && !result["suggestions"].empty()) {
      std::cerr << "close:";
      for (const auto& word : result["suggestions"]) std::cerr << ' ' << word.get<std::string>();
      std::cerr << '\n';
    }
  } else if (result.contains("words")) {
    for (const auto& word : result["words"]) std::cout << word.get<std::string>() << '\n';
  } else {
    if (result.contains("via")) {
      std::cout << result["base_form_of"].get<std::string>() << " \u2192 "
                << result["via"].get<std::string>() << '\n';
    }
    if (result.contains("also")) std::cout << result["direction"].get<std::string>() << '\n';
    std::cout << result["word"].get<std::string>() << '\n';
    PrintIndented(result["translation"].get<std::string>());
    if (result.contains("also")) {
      const Json& also = result["also"];
      std::cout << '\n' << also["direction"].get<std::string>() << '\n';
      std::cout << also["word"].get<std::string>() << '\n';
      PrintIndented(also["translation"].get<std::string>());
    }
  }
  return ok ? kExitOk : kExitFailed;
}

}  // namespace vokabi::vkb
