#include "app/lookup_help.h"

#include <array>
#include <utility>

#include "app/near_misses.h"
#include "platform/codepage.h"

namespace vokabi {

namespace {

// Hunspell gives one or two forms for nearly every word; a hostile affix file could give many.

bool TranslateHelped(Dictionary& dictionary, ErrorReport& errors, BaseForms* forms,
                     std::string_view word, bool suggest, LookupHelp* help,
                     const LookupShortcuts& shortcuts);

}  // namespace

std::string SideLanguage(const std::string& baseId, int side) {
  if (baseId.size() < 4 || (side != 1 && side != 2)) return {};
  std::string code = baseId.substr(side == 1 ? 0 : 2, 2);
  for (char& c : code) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  // Older Spanish bases say "sp".
  if (code == "sp") return "es";
  static constexpr std::array<const char*, 7> kKnown = {"bg", "de", "en", "es", "fr", "it", "ru"};
  for (const char* known : kKnown) {
    if (code == known) return code;
  }
  return {};
}

std::optional<Article> OtherSideArticle(Dictionary& dictionary, ErrorReport& errors) {
  if (dictionary.Charset1() != dictionary.Charset2()) return std::nullopt;
  const std::int32_t nomer = errors.Nomer();
  Article article;
  const auto position = dictionary.FindOnSide(dictionary.Duma(), 3 - dictionary.DumaSide());
  const bool read = position && dictionary.ReadArticle(*position, &article);
  // A damaged other article costs only itself: the word found stands as found.
  errors.SetNomer(nomer);
  if (!read) return std::nullopt;
  return article;
}

bool TranslateEntry(Dictionary& dictionary, ErrorReport& errors, std::int32_t position,
                    LookupHelp* help) {
  *help = LookupHelp{};
  if (!dictionary.TranslateAt(position)) return false;
  help->also = OtherSideArticle(dictionary, errors);
  return true;
}

std::optional<std::int32_t> LoadedBaseFormEntry(Dictionary& dictionary, BaseForms& forms,
                                                std::string_view word) {
  const std::string typed = TrimNonLetters(word);
  if (typed.empty() || typed != word || dictionary.Find(typed)) return std::nullopt;
  const int side = dictionary.GuessSide(typed);
  const int charset = side == 1 ? dictionary.Charset1() : dictionary.Charset2();
  std::vector<int> sides{side};
  if (dictionary.Charset1() == dictionary.Charset2()) sides.push_back(3 - side);
  const std::string utf8 = platform::DecodeCharset(charset, typed).utf8;
  for (const int s : sides) {
    const std::string language = SideLanguage(dictionary.ID(), s);
    if (language.empty()) continue;
    std::optional<std::vector<std::string>> found = forms.OfIfLoaded(language, utf8);
    if (!found) return std::nullopt;
    if (found->size() > kMostBaseForms) found->resize(kMostBaseForms);
    for (const std::string& form : *found) {
      const platform::Encoded bytes = platform::EncodeCharset(charset, form);
      if (bytes.unfit > 0 || bytes.bytes.empty()) continue;
      if (const auto position = dictionary.Find(bytes.bytes)) return position;
    }
  }
  return std::nullopt;
}

bool TranslateWithHelp(Dictionary& dictionary, ErrorReport& errors, BaseForms* forms,
                       std::string_view word, bool suggest, LookupHelp* help,
                       const LookupShortcuts& shortcuts) {
  *help = LookupHelp{};
  const bool found = TranslateHelped(dictionary, errors, forms, word, suggest, help, shortcuts);
  // The suggestions are copies by now.
  if (shortcuts.headwords != nullptr) shortcuts.headwords->LookupEnded();
  if (!found) return false;
  // A separate step after the lookup, whichever way it found the word.
  help->also = OtherSideArticle(dictionary, errors);
  return true;
}

namespace {

bool TranslateHelped(Dictionary& dictionary, ErrorReport& errors, BaseForms* forms,
                     std::string_view word, bool suggest, LookupHelp* help,
                     const LookupShortcuts& shortcuts) {
  if (dictionary.Initi() && shortcuts.headwords != nullptr &&
      shortcuts.headwords->CertainlyMissing(word)) {
    errors.SetNomer(msg::kNotFound);
  } else {
    if (dictionary.Translate(word)) return true;
    // Anything but a plain miss (no word, a damaged base, a part of the index still to read) is
    // answered as Translate answered it.
    if (errors.Nomer() != msg::kNotFound || dictionary.NeedsWholeIndex()) return false;
  }

  std::string missed = TrimNonLetters(word);
  if (missed.empty()) return false;
  const int side = dictionary.GuessSide(missed);
  const int charset = side == 1 ? dictionary.Charset1() : dictionary.Charset2();
  // Where both sides write alike, the search goes round both; so do the forms and suggestions.
  std::vector<int> sides{side};
  if (dictionary.Charset1() == dictionary.Charset2()) sides.push_back(3 - side);

  if (forms != nullptr) {
    const std::string utf8 = platform::DecodeCharset(charset, missed).utf8;
    for (const int s : sides) {
      const std::string language = SideLanguage(dictionary.ID(), s);
      if (language.empty()) continue;
      std::string known;
      const FormLookup::Known shortcut = shortcuts.forms != nullptr
                                             ? shortcuts.forms->FormOf(s, missed, &known)
                                             : FormLookup::Known::kUnknown;
      if (shortcut == FormLookup::Known::kNone) continue;
      if (shortcut == FormLookup::Known::kForm && dictionary.Translate(known)) {
        help->missed = std::move(missed);
        help->missedCharset = charset;
        help->baseForm = true;
        return true;
      }
      std::vector<std::string> found = forms->Of(language, utf8);
      if (found.size() > kMostBaseForms) found.resize(kMostBaseForms);
      for (const std::string& form : found) {
        const platform::Encoded bytes = platform::EncodeCharset(charset, form);
        if (bytes.unfit > 0 || bytes.bytes.empty()) continue;
        if (dictionary.Translate(bytes.bytes)) {
          help->missed = std::move(missed);
          help->missedCharset = charset;
          help->baseForm = true;
          return true;
        }
        if (dictionary.NeedsWholeIndex()) return false;
      }
    }
    errors.SetNomer(msg::kNotFound);
  }

  if (suggest) {
    std::vector<std::string_view> headwords;
    for (const int s : sides) {
      if (shortcuts.nearMisses != nullptr &&
          shortcuts.nearMisses->Candidates(s, missed, dictionary.CaseRules(side), &headwords)) {
        continue;
      }
      const std::vector<std::string_view> words = dictionary.Headwords(s);
      if (dictionary.NeedsWholeIndex()) return false;
      headwords.insert(headwords.end(), words.begin(), words.end());
    }
    for (const std::string_view near : NearMisses(missed, headwords, dictionary.CaseRules(side)))
      help->suggestions.emplace_back(near);
    // A click on a suggestion translates its own entry, on the side it was found on.
    for (const std::string& near : help->suggestions) {
      std::int32_t position = 0;
      for (const int s : sides) {
        if (position != 0) break;
        // The companion knows where each headword is; the index may have to be deciphered.
        if (shortcuts.nearMisses != nullptr &&
            shortcuts.nearMisses->PositionOf(s, near, &position)) {
          continue;
        }
        if (const auto at = dictionary.FindOnSide(near, s)) position = *at;
      }
      help->suggestionPositions.push_back(position);
    }
    help->suggestionCharset = charset;
  }
  help->missed = std::move(missed);
  help->missedCharset = charset;
  return false;
}

}  // namespace

}  // namespace vokabi
