#pragma once

#include <filesystem>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace vokabi {

// The base forms of inflected words ("houses" → "house", "къщата" → "къща"), from the Hunspell
// dictionaries the system has. A language without one simply has no base forms. Safe to use from
// several threads: dictionaries can be read on a worker while the window asks for forms.
class BaseForms {
 public:
  // The folders are searched in order for a language's dictionary, when it is first needed.
  explicit BaseForms(std::vector<std::filesystem::path> folders);
  ~BaseForms();
  BaseForms(const BaseForms&) = delete;
  BaseForms& operator=(const BaseForms&) = delete;

  // The word's stems, then the stems of its analyses, each once and in Hunspell's order, in
  // UTF-8; the word itself is never among them. Language is a two-letter code ("en", "bg" …).
  std::vector<std::string> Of(const std::string& language, const std::string& utf8Word);
  // Whether a dictionary for the language is there (and loads it).
  bool Knows(const std::string& language);
  // Of, but only from a dictionary already loaded: nothing while the language's dictionary is
  // not read yet or another thread is reading one, so the caller never waits.
  std::optional<std::vector<std::string>> OfIfLoaded(const std::string& language,
                                                     const std::string& utf8Word);
  // Reads the languages' dictionaries on a worker thread; returns at once.
  void LoadInBackground(std::vector<std::string> languages);
  // Waits until every dictionary asked for in the background is read (tests, benchmarks).
  void WaitForBackground();
  // Dictionaries kept loaded at most: both languages of two bases.
  static constexpr std::size_t kLoaded = 4;

 private:
  class Speller;
  Speller* SpellerFor(const std::string& language);
  static std::unique_ptr<Speller> Load(const std::filesystem::path& base);

  std::vector<std::filesystem::path> folders_;
  // The languages asked for, the most recent last; the dictionaries of the kLoaded most recent
  // stay in memory (each takes 5 to 20 MB), a null speller means none was found.
  struct Entry {
    std::string language;
    std::unique_ptr<Speller> speller;
    bool searched = false;
  };
  std::vector<Entry> recent_;
  // Guards recent_ and every speller in it; held while a dictionary is read.
  std::mutex mutex_;
  std::vector<std::future<void>> background_;
};

// The dictionary BaseForms reads for the language from the folders: its path without ".aff" or
// ".dic"; nothing when none is there.
std::optional<std::filesystem::path> FindSpeller(const std::vector<std::filesystem::path>& folders,
                                                 const std::string& language);

}  // namespace vokabi
