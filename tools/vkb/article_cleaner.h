#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vokabi::vkb {

// A FreeDict article as a reader should see it, still in UTF-8.
struct CleanArticle {
  std::string written;             // headword as the article writes it
  std::string text;                // CR LF lines: part of speech, then the senses
  std::vector<std::string> terms;  // what the translation lines name, once each
  std::size_t phonetic = 0;        // characters of pronunciation dropped
};

// Reads a dictd article: its first line is the headword, its pronunciation between slashes
// (dropped) and its part of speech in angle brackets (shown as a short label, "n., fem.").
// Leftover markup goes: wiki links read as their shown text, web links as their caption, bare
// addresses and template braces not at all. Every sense number starts its own line, and a term
// that a translation line repeats (often once with a stress mark, once without) is kept once.
// The translations are the lines that begin with a sense number, or the first line when none
// does; their terms are comma-separated, text in parentheses left out.
CleanArticle CleanDictdArticle(std::string_view text, const std::string& key);

// "n, neut" → "n., neut."; the same labels for every dictionary.
std::string PartOfSpeechLabel(std::string_view tags);

// The terms of one translation line (without its sense number).
std::vector<std::string> TranslationTerms(const std::string& line);

// How two terms compare for being the same: without stress and accent marks, in lower case.
std::string TermKey(std::string_view utf8);

}  // namespace vokabi::vkb
