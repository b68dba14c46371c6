#include "app/base_forms.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <exception>
#include <hunspell.hxx>
#include <iostream>
#include <map>
#include <optional>
#include <string_view>
#include <system_error>

#include "app/hunspell_check.h"
#include "app/within_time.h"
#include "platform/text_encoding.h"

namespace vokabi {

namespace {

// Hunspell reads the whole dictionary into memory; the largest real ones are a few megabytes.
constexpr std::uintmax_t kLargestFile = 64 * 1024 * 1024;
// The real dictionaries load in well under a second; one that takes this long is given up.
constexpr std::chrono::milliseconds kLongestLoad{10000};
// Hunspell gives up on longer words itself; no need to convert them back and forth.
constexpr std::size_t kLongestWord = 100;

// Dictionary names to try for a language, the usual one first; any other "xx_YY" follows.
std::vector<std::string> PreferredNames(const std::string& language) {
  static const std::map<std::string, std::string, std::less<>> kUsual = {
      {"bg", "bg_BG"}, {"de", "de_DE"}, {"en", "en_US"}, {"es", "es_ES"},
      {"fr", "fr_FR"}, {"it", "it_IT"}, {"ru", "ru_RU"}};
  std::vector<std::string> names;
  if (const auto usual = kUsual.find(language); usual != kUsual.end())
    names.push_back(usual->second);
  names.push_back(language);
  return names;
}

bool UsableFile(const std::filesystem::path& path) {
  std::error_code error;
  // Not a FIFO or a device, which Hunspell would wait on or read for ever.
  if (!std::filesystem::is_regular_file(path, error)) return false;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return false;
  if (size > kLargestFile) {
    std::cerr << "Hunspell dictionary " << path.string() << " left out: larger than "
              << kLargestFile / (1024 * 1024) << " MB" << std::endl;
    return false;
  }
  return true;
}

// The base name (without .aff) of the language's dictionary in the folder, if one is there.
std::optional<std::filesystem::path> FindIn(const std::filesystem::path& folder,
                                            const std::string& language) {
  auto usable = [](const std::filesystem::path& base) {
    return UsableFile(base.string() + ".aff") && UsableFile(base.string() + ".dic");
  };
  for (const std::string& name : PreferredNames(language)) {
    if (usable(folder / name)) return folder / name;
  }
  std::error_code error;
  std::vector<std::filesystem::path> others;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    const std::filesystem::path& path = it->path();
    const std::string stem = path.stem().string();
    if (path.extension() == ".aff" && stem.size() > 3 && stem.compare(0, 3, language + "_") == 0)
      others.push_back(path.parent_path() / stem);
  }
  std::sort(others.begin(), others.end());
  for (const auto& base : others) {
    if (usable(base)) return base;
  }
  return std::nullopt;
}

// Converts between UTF-8 and a dictionary's own encoding; an empty result when it cannot.
std::string Convert(const char* to, const char* from, std::string_view text) {
  return platform::ConvertEncoding(to, from, text).value_or(std::string());
}

bool IsUtf8(std::string encoding) {
  std::transform(encoding.begin(), encoding.end(), encoding.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return encoding == "UTF-8" || encoding == "UTF8";
}

// The "st:" fields of Hunspell's analyses.
std::vector<std::string> AnalysedStems(const std::vector<std::string>& analyses) {
  std::vector<std::string> stems;
  for (const std::string& analysis : analyses) {
    for (std::size_t at = analysis.find("st:"); at != std::string::npos;
         at = analysis.find("st:", at + 3)) {
      if (at > 0 && analysis[at - 1] != ' ' && analysis[at - 1] != '\t') continue;
      const std::size_t end = analysis.find_first_of(" \t", at + 3);
      stems.push_back(analysis.substr(at + 3, end == std::string::npos ? end : end - at - 3));
    }
  }
  return stems;
}

}  // namespace

class BaseForms::Speller {
 public:
  explicit Speller(const std::filesystem::path& base)
      : hunspell_((base.string() + ".aff").c_str(), (base.string() + ".dic").c_str()),
        utf8_(IsUtf8(hunspell_.get_dict_encoding())),
        encoding_(hunspell_.get_dict_encoding()) {}

  // Hunspell's own failures (it throws std::bad_alloc on tables it cannot hold) give no forms.
  std::vector<std::string> Of(const std::string& utf8Word) {
    try {
      return FormsOf(utf8Word);
    } catch (const std::exception&) {
      return {};
    }
  }

 private:
  std::vector<std::string> FormsOf(const std::string& utf8Word) {
    const std::string word = utf8_ ? utf8Word : Convert(encoding_.c_str(), "UTF-8", utf8Word);
    if (word.empty()) return {};
    // Hunspell's own stem(word) analyses the word first; analysing it once serves both.
    const std::vector<std::string> analyses = hunspell_.analyze(word);
    std::vector<std::string> forms = hunspell_.stem(analyses);
    const std::vector<std::string> analysed = AnalysedStems(analyses);
    forms.insert(forms.end(), analysed.begin(), analysed.end());
    std::vector<std::string> result;
    for (const std::string& form : forms) {
      std::string text = utf8_ ? form : Convert("UTF-8", encoding_.c_str(), form);
      if (text.empty() || text == utf8Word) continue;
      if (std::find(result.begin(), result.end(), text) == result.end())
        result.push_back(std::move(text));
    }
    return result;
  }

  Hunspell hunspell_;
  bool utf8_;
  std::string encoding_;
};

namespace {

void LeaveOut(const std::filesystem::path& base, const std::string& why) {
  std::cerr << "Hunspell dictionary " << base.string() << " left out: " << why << std::endl;
}

}  // namespace

// A dictionary that cannot be read is taken as one that is not there, said on standard error.
std::unique_ptr<BaseForms::Speller> BaseForms::Load(const std::filesystem::path& base) {
  if (const std::string fault = HunspellFault(base.string() + ".aff", base.string() + ".dic");
      !fault.empty()) {
    LeaveOut(base, fault);
    return nullptr;
  }
  auto failure = std::make_shared<std::string>();
  std::unique_ptr<Speller> speller =
      WithinTime<Speller>(kLongestLoad, [base, failure]() -> std::unique_ptr<Speller> {
        try {
          return std::make_unique<Speller>(base);
        } catch (const std::exception& error) {
          *failure = error.what();
          return nullptr;
        }
      });
  if (!speller) {
    LeaveOut(base, !failure->empty()
                       ? "Hunspell failed: " + *failure
                       : "it took more than " + std::to_string(kLongestLoad.count() / 1000) +
                             " s to load");
  }
  return speller;
}

std::optional<std::filesystem::path> FindSpeller(const std::vector<std::filesystem::path>& folders,
                                                 const std::string& language) {
  const bool code =
      language.size() == 2 &&
      std::all_of(language.begin(), language.end(), [](char c) { return c >= 'a' && c <= 'z'; });
  if (!code) return std::nullopt;
  for (const auto& folder : folders) {
    if (auto base = FindIn(folder, language)) return base;
  }
  return std::nullopt;
}

BaseForms::BaseForms(std::vector<std::filesystem::path> folders) : folders_(std::move(folders)) {}

BaseForms::~BaseForms() {
  WaitForBackground();
}

BaseForms::Speller* BaseForms::SpellerFor(const std::string& language) {
  // It becomes part of file names; a base's identity may hold anything.
  const bool code =
      language.size() == 2 &&
      std::all_of(language.begin(), language.end(), [](char c) { return c >= 'a' && c <= 'z'; });
  if (!code) return nullptr;
  auto known = std::find_if(recent_.begin(), recent_.end(),
                            [&language](const Entry& entry) { return entry.language == language; });
  Entry entry = known != recent_.end() ? std::move(*known) : Entry{language, nullptr, false};
  if (known != recent_.end()) recent_.erase(known);
  if (!entry.searched) {
    entry.searched = true;
    for (const auto& folder : folders_) {
      if (const auto base = FindIn(folder, language)) {
        entry.speller = Load(*base);
        if (entry.speller) break;
      }
    }
  }
  recent_.push_back(std::move(entry));
  // The least recently used dictionary beyond the limit is read again when next needed.
  std::size_t loaded = 0;
  for (auto it = recent_.rbegin(); it != recent_.rend(); ++it) {
    if (it->speller && ++loaded > kLoaded) {
      it->speller.reset();
      it->searched = false;
    }
  }
  return recent_.back().speller.get();
}

bool BaseForms::Knows(const std::string& language) {
  const std::lock_guard lock(mutex_);
  return SpellerFor(language) != nullptr;
}

std::vector<std::string> BaseForms::Of(const std::string& language, const std::string& utf8Word) {
  if (utf8Word.empty() || utf8Word.size() > kLongestWord) return {};
  const std::lock_guard lock(mutex_);
  Speller* speller = SpellerFor(language);
  return speller ? speller->Of(utf8Word) : std::vector<std::string>{};
}

std::optional<std::vector<std::string>> BaseForms::OfIfLoaded(const std::string& language,
                                                              const std::string& utf8Word) {
  const std::unique_lock lock(mutex_, std::try_to_lock);
  if (!lock.owns_lock()) return std::nullopt;
  const auto known = std::find_if(recent_.begin(), recent_.end(), [&language](const Entry& entry) {
    return entry.language == language && entry.searched;
  });
  if (known == recent_.end()) return std::nullopt;
  if (!known->speller || utf8Word.empty() || utf8Word.size() > kLongestWord)
    return std::vector<std::string>{};
  return known->speller->Of(utf8Word);
}

void BaseForms::LoadInBackground(std::vector<std::string> languages) {
  // Jobs done are let go; those still reading are kept, so that destruction waits for them.
  std::erase_if(background_, [](const std::future<void>& job) {
    return job.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
  });
  background_.push_back(std::async(std::launch::async, [this, languages = std::move(languages)] {
    for (const std::string& language : languages) Knows(language);
  }));
}

void BaseForms::WaitForBackground() {
  for (auto& job : background_) job.wait();
  background_.clear();
}

}  // namespace vokabi
