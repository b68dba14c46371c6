// Near-miss suggestions for a word a base does not have, beside a plain scan that compares the word
// with every headword over the whole distance table, in the same run: on the English-Bulgarian
// default base with misspelt real words and on a synthetic base of 250,000 headwords per side with
// its own words one edit off. Each figure includes listing the side's headwords.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/error_class.h"
#include "app/near_misses.h"
#include "app/system_case_map.h"
#include "bench/freedict_bases.h"
#include "bench/plain_near_misses.h"
#include "bench/synthetic_base.h"
#include "engine/dictionary.h"
#include "engine/make_crypto.h"
#include "platform/codepage.h"

namespace vokabi::bench {
namespace {

constexpr int kWordsPerSide = 250000;
constexpr int kSyntheticQueries = 200;

struct Base {
  ErrorClass errors;
  MakeCrypto crypto{errors};
  std::unique_ptr<Dictionary> dictionary;
};

// Ends the run when the base does not load: no figure would mean anything.
std::unique_ptr<Base> Open(const std::filesystem::path& folder, const std::string& fileName) {
  auto base = std::make_unique<Base>();
  base->dictionary =
      std::make_unique<Dictionary>(base->crypto, base->errors, folder, SystemCaseMap);
  if (!base->dictionary->Initialize(fileName)) {
    std::fprintf(stderr, "%s does not load\n", (folder / fileName).c_str());
    std::exit(1);
  }
  return base;
}

// Each headword with one edit of a random kind, none of them a headword of the side itself.
std::vector<std::string> OneEditOff(Dictionary& d, int side, char first, int letters) {
  const std::vector<std::string_view> words = d.Headwords(side);
  std::mt19937 rng(static_cast<unsigned>(side));
  auto pick = [&rng](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n)(rng);
  };
  std::vector<std::string> queries;
  while (queries.size() < kSyntheticQueries) {
    std::string word(words[pick(words.size() - 1)]);
    const std::size_t at = pick(word.size() - 2);
    const char letter = static_cast<char>(first + static_cast<int>(pick(letters - 1)));
    switch (pick(3)) {
      case 0:
        word.insert(at, 1, letter);
        break;
      case 1:
        word.erase(at, 1);
        break;
      case 2:
        word[at] = letter;
        break;
      default:
        std::swap(word[at], word[at + 1]);
        break;
    }
    if (!d.Translate(word)) queries.push_back(word);
  }
  return queries;
}

using Suggester = std::vector<std::string_view> (*)(std::string_view,
                                                    const std::vector<std::string_view>&,
                                                    const CaseMap&, std::size_t);

void Run(benchmark::State& state, Dictionary& d, int side, const std::vector<std::string>& queries,
         Suggester suggest) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        suggest(queries[i++ % queries.size()], d.Headwords(side), d.CaseRules(side), 9));
  }
}

// Both ways must suggest the same headwords for every query before either is timed.
void RegisterPair(const std::string& name, Dictionary& d, int side, std::vector<std::string> words,
                  bool show) {
  auto queries = std::make_shared<const std::vector<std::string>>(std::move(words));
  const auto headwords = d.Headwords(side);
  const int charset = side == 2 ? d.Charset2() : d.Charset1();
  std::size_t suggested = 0;
  for (const std::string& q : *queries) {
    const auto found = NearMisses(q, headwords, d.CaseRules(side));
    if (found != PlainNearMisses(q, headwords, d.CaseRules(side))) {
      std::fprintf(stderr, "%s: the suggestions for %s differ\n", name.c_str(), q.c_str());
      std::exit(1);
    }
    suggested += found.size();
    if (!show) continue;
    std::printf("  %s:", platform::DecodeCharset(charset, q).utf8.c_str());
    for (const std::string_view w : found)
      std::printf(" %s", platform::DecodeCharset(charset, w).utf8.c_str());
    std::printf("\n");
  }
  std::printf("%s: %zu headwords, %zu words, %zu suggestions\n", name.c_str(), headwords.size(),
              queries->size(), suggested);
  for (auto* b : {benchmark::RegisterBenchmark((name + "/near_misses").c_str(),
                                               [&d, side, queries](benchmark::State& state) {
                                                 Run(state, d, side, *queries, NearMisses);
                                               }),
                  benchmark::RegisterBenchmark((name + "/plain_scan").c_str(),
                                               [&d, side, queries](benchmark::State& state) {
                                                 Run(state, d, side, *queries, PlainNearMisses);
                                               }),
                  benchmark::RegisterBenchmark((name + "/headwords_only").c_str(),
                                               [&d, side](benchmark::State& state) {
                                                 for (auto _ : state)
                                                   benchmark::DoNotOptimize(d.Headwords(side));
                                               })}) {
    b->Unit(benchmark::kMillisecond)->Repetitions(5)->DisplayAggregatesOnly(true);
  }
}

}  // namespace
}  // namespace vokabi::bench

int main(int argc, char** argv) {
  using namespace vokabi::bench;
  benchmark::Initialize(&argc, argv);

  const SyntheticBase& made = MakeSyntheticBase(kWordsPerSide);
  static const auto synthetic = Open(made.folder, made.fileName);
  vokabi::Dictionary& s = *synthetic->dictionary;
  RegisterPair("synthetic/side1", s, 1, OneEditOff(s, 1, 'a', 26), false);
  RegisterPair("synthetic/side2", s, 2, OneEditOff(s, 2, '\xE0', 32), false);

  const auto folder = FreeDictFolder();
  if (FreeDictBasesPresent(folder)) {
    static const auto english = Open(folder, kFreeDictBases[0]);
    vokabi::Dictionary& e = *english->dictionary;
    RegisterPair(
        "enbg/side1", e, 1,
        {"hosue",   "recieve",    "teh",    "langauge", "accomodate", "definately", "seperate",
         "occured", "wierd",      "untill", "beleive",  "goverment",  "tommorow",   "neccessary",
         "adress",  "enviroment", "thier",  "begining", "freind",     "calender"},
        true);
    std::vector<std::string> bulgarian;
    for (const char* word : {"къшта", "училеще", "прозорц", "компютр", "благодария", "тилефон",
                             "книгга", "вчира", "момчи", "зграда", "хлаб", "ябалка"}) {
      bulgarian.push_back(vokabi::platform::EncodeCharset(204, word).bytes);
    }
    RegisterPair("enbg/side2", e, 2, bulgarian, true);
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
