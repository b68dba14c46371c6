#include <functional>
#include <iostream>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "app/language.h"
#include "app/lookup_help.h"
#include "platform/codepage.h"
#include "tools/vkb/arguments.h"
#include "tools/vkb/charset_text.h"
#include "tools/vkb/queries.h"
#include "tools/vkb/vkb.h"

namespace vokabi::vkb {
namespace {

std::string Engine(Session& session, const std::string& word) {
  return platform::EncodeForBase(word, session.Dic().Charset1(), session.Dic().Charset2());
}

Json CurrentResult(Dictionary& dic) {
  return Found(dic.Duma(), dic.Prevod(), dic.PredniDumi(), dic.DumaCHSet(), dic.PrevodCHSet());
}

// Common frame of the one-shot commands: options, the base, the interface language first of all.
struct Query {
  QueryArgs args;
  Session session;
};

// Parses the arguments (expecting `count` positionals, the base first) and loads the base.
// Returns an exit status to end with, or nothing to go on.
std::optional<int> Start(const Args& args, std::size_t count, std::string_view usage, Query* query,
                         IndexLoad load = IndexLoad::kWhole) {
  std::string error;
  if (!ParseQueryArgs(args, &query->args, &error)) return UsageError(error);
  query->session.SetLanguage(query->args.language);
  if (query->args.positional.size() != count) {
    return UsageError("usage: " + std::string(usage));
  }
  const std::string& base = query->args.positional[0];
  query->session.SetExact(query->args.exact);
  if (!query->session.Open(base, load)) {
    if (!query->args.json) std::cerr << "vkb: cannot load " << base << '\n';
    return Emit(Failure(query->session.Errors()), query->args.json);
  }
  return std::nullopt;
}

// One command in one process deciphers only the part of the index it reads. Where that part is
// not whole entries, the command runs again over the whole index, so that it answers exactly as
// a whole load does, message included.
int RunOneShot(const Args& args, std::string_view usage,
               const std::function<Json(Session&, const std::string&)>& command) {
  for (const IndexLoad load : {IndexLoad::kOnDemand, IndexLoad::kWhole}) {
    Query query;
    if (const auto done = Start(args, 2, usage, &query, load)) return *done;
    Json out = command(query.session, query.args.positional[1]);
    if (load == IndexLoad::kWhole || !query.session.Dic().NeedsWholeIndex()) {
      return Emit(out, query.args.json);
    }
  }
  return kExitOk;
}

// Name of a side's language in interface language 0 to 6, which reads name field `language`.
std::string SideName(Dictionary& dic, int language, int side) {
  return ToUtf8(NameCharset(language), dic.Ime_na_Dic(language, static_cast<std::int16_t>(side)));
}

// "Руски → Български": the direction of an article whose word is on the side, in the interface
// language.
std::string Direction(Session& session, int side) {
  Dictionary& dic = session.Dic();
  const int language = session.Language().Ezik();
  return SideName(dic, language, side) + " \u2192 " + SideName(dic, language, 3 - side);
}

}  // namespace

Json Info(Session& session) {
  Dictionary& dic = session.Dic();
  Json out;
  out["ok"] = true;
  out["id"] = ToUtf8(0, dic.ID());
  out["version"] = ToUtf8(0, dic.Version());
  out["words1"] = dic.BroiDumi1();
  out["words2"] = dic.BroiDumi2();
  out["charset1"] = dic.Charset1();
  out["charset2"] = dic.Charset2();
  out["names"] = Json::array();
  for (int k = 0; k < 7; ++k) {
    out["names"].push_back(ToUtf8(NameCharset(k), dic.LanguageNames()[static_cast<size_t>(k)]));
  }
  out["section2_start"] = dic.Section2Start();
  return out;
}

Json LookupWord(Session& session, const std::string& word) {
  session.Errors().Clear();
  Dictionary& dic = session.Dic();
  const bool help = !session.Exact();
  LookupHelp found;
  if (!TranslateWithHelp(dic, session.Errors(), help ? &session.Forms() : nullptr,
                         Engine(session, word), help, &found, session.Shortcuts())) {
    Json out = Failure(session.Errors());
    if (help && session.Errors().Nomer() == msg::kNotFound) {
      out["suggestions"] = Json::array();
      for (const std::string& near : found.suggestions)
        out["suggestions"].push_back(ToUtf8(found.suggestionCharset, near));
    }
    return out;
  }
  Json out = CurrentResult(dic);
  if (found.baseForm) {
    out["via"] = ToUtf8(dic.DumaCHSet(), dic.Duma());
    out["base_form_of"] = ToUtf8(found.missedCharset, found.missed);
  }
  if (found.also) {
    // The word is a headword on both sides: the other side's article follows, each under its
    // direction.
    const Article& other = *found.also;
    out["direction"] = Direction(session, dic.DumaSide());
    Json also = Found(other.word, other.translation, other.neighbourStart, other.wordCharset,
                      other.translationCharset);
    also.erase("ok");
    also["direction"] = Direction(session, other.side);
    out["also"] = std::move(also);
  }
  return out;
}

Json CompleteWord(Session& session, const std::string& prefix) {
  session.Errors().Clear();
  if (!session.Dic().AutoComplete(Engine(session, prefix))) return Failure(session.Errors());
  return CurrentResult(session.Dic());
}

Json Neighbours(Session& session, std::int32_t position) {
  Dictionary& dic = session.Dic();
  session.Errors().Clear();
  // Positions outside the index never start an entry; answer them without asking the engine.
  if (position < 1 || static_cast<std::size_t>(position) > dic.IndexSize()) {
    session.Errors().SetNomer(msg::kNotAnEntry);
    return Failure(session.Errors());
  }
  const std::string list = dic.Load5Etikets(position);
  // A part of the index that does not read as whole entries is answered by the whole load.
  if (dic.NeedsWholeIndex()) return Failure(session.Errors());
  // The index read as whole entries up to the position, which falls inside one: the base is
  // sound, the position is not an entry.
  if (list.empty()) {
    session.Errors().SetNomer(msg::kNotAnEntry);
    return Failure(session.Errors());
  }
  const std::vector<int> charsets = dic.NeighbourCharsets(position);
  Json words = Json::array();
  std::size_t start = 0;
  for (std::size_t i = 0;; ++i) {
    const std::size_t end = list.find("\r\n", start);
    const std::string word = list.substr(start, end == std::string::npos ? end : end - start);
    words.push_back(ToUtf8(i < charsets.size() ? charsets[i] : dic.Charset1(), word));
    if (end == std::string::npos) break;
    start = end + 2;
  }
  Json out;
  out["ok"] = true;
  out["words"] = std::move(words);
  return out;
}

Json Step(Session& session, bool back) {
  Dictionary& dic = session.Dic();
  session.Errors().Clear();
  if (back ? dic.MovePredna() : dic.MoveSledvasta()) {
    return Found(dic.PrednaDuma(), dic.PredenPrevod(), dic.PrednaPredni5(), dic.HistCharset1(),
                 dic.HistCharset2());
  }
  if (session.Errors().Nomer() != msg::kNone) return Failure(session.Errors());
  return Failure(msg::kNone, "");
}

std::optional<std::int32_t> ParsePosition(const std::string& text) {
  const auto value = ParseNumber(text, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max());
  if (!value) return std::nullopt;
  return static_cast<std::int32_t>(*value);
}

int RunInfo(const Args& args) {
  Query query;
  if (const auto done = Start(args, 1, "vkb info [--json] [--lang N] BASE", &query)) return *done;
  const Json info = Info(query.session);
  if (query.args.json) {
    PrintJson(info);
    return kExitOk;
  }
  std::cout << "id:         " << info["id"].get<std::string>() << '\n'
            << "version:    " << info["version"].get<std::string>() << '\n';
  for (int side = 1; side <= 2; ++side) {
    const std::string n = std::to_string(side);
    std::cout << "side " << n << ":     "
              << SideName(query.session.Dic(), query.args.language, side) << ", "
              << info["words" + n].get<int>() << " words, charset "
              << info["charset" + n].get<int>() << '\n';
  }
  std::cout << "section 2:  starts at index position " << info["section2_start"].get<int>() << '\n';
  for (int k = 0; k < 7; ++k) {
    std::cout << "name " << k << ":     "
              << info["names"][static_cast<size_t>(k)].get<std::string>() << '\n';
  }
  return kExitOk;
}

int RunLookup(const Args& args) {
  return RunOneShot(args, "vkb lookup [--json] [--exact] [--lang N] BASE WORD", &LookupWord);
}

int RunComplete(const Args& args) {
  return RunOneShot(args, "vkb complete [--json] [--lang N] BASE PREFIX", &CompleteWord);
}

int RunNeighbours(const Args& args) {
  // The position is checked before the base is read, so a bad number is a usage error.
  QueryArgs checked;
  std::string error;
  if (ParseQueryArgs(args, &checked, &error) && checked.positional.size() == 2 &&
      !ParsePosition(checked.positional[1])) {
    return UsageError("POSITION must be a whole number, not \"" + checked.positional[1] + "\"");
  }
  return RunOneShot(args, "vkb neighbours [--json] [--lang N] BASE POSITION",
                    [](Session& session, const std::string& position) {
                      return Neighbours(session, *ParsePosition(position));
                    });
}

}  // namespace vokabi::vkb
