// Lookup speed of the engine beside a plain linear search through the index text, on a synthetic
// base of 250,000 headwords per side and, when they are built, on the default FreeDict bases.
// Each indexed figure is printed next to its baseline.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/error_class.h"
#include "app/system_case_map.h"
#include "bench/freedict_bases.h"
#include "bench/linear_lookup.h"
#include "bench/synthetic_base.h"
#include "engine/base_header.h"
#include "engine/dictionary.h"
#include "engine/make_crypto.h"

namespace vokabi::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kWordsPerSide = 250000;
constexpr int kQueries = 1024;

// One base opened by the engine and by the baseline, with the headwords to query it with.
struct Engines {
  ErrorClass errors;
  MakeCrypto crypto{errors};
  std::unique_ptr<Dictionary> dictionary;
  std::unique_ptr<LinearLookup> linear;
  std::vector<std::string> words1;
  std::vector<std::string> words2;
};

// Ends the run when the base does not load: no figure would mean anything.
std::unique_ptr<Engines> Open(const fs::path& folder, const std::string& fileName) {
  auto e = std::make_unique<Engines>();
  e->dictionary = std::make_unique<Dictionary>(e->crypto, e->errors, folder, SystemCaseMap);
  const bool loaded = e->dictionary->Initialize(fileName);
  if (loaded) {
    e->linear = std::make_unique<LinearLookup>(e->crypto, e->errors,
                                               SystemCaseMap(e->dictionary->Charset1()),
                                               SystemCaseMap(e->dictionary->Charset2()));
  }
  if (!loaded || !e->linear->Load(folder / fileName)) {
    std::fprintf(stderr, "%s does not load\n", (folder / fileName).c_str());
    std::exit(1);
  }
  return e;
}

Engines& Synthetic() {
  static const std::unique_ptr<Engines> engines = [] {
    const SyntheticBase& base = MakeSyntheticBase(kWordsPerSide);
    auto e = Open(base.folder, base.fileName);
    e->words1 = base.words1;
    e->words2 = base.words2;
    return e;
  }();
  return *engines;
}

Engines& English() {
  static const std::unique_ptr<Engines> engines = [] {
    auto e = Open(FreeDictFolder(), kFreeDictBases[0]);
    Headwords words = IndexHeadwords(e->dictionary->BazaDumi(), e->dictionary->Section2Start());
    e->words1 = std::move(words.side1);
    e->words2 = std::move(words.side2);
    return e;
  }();
  return *engines;
}

enum class Query { kHit, kMiss, kTrimmed, kOneLetter, kThreeLetters };

// Headwords of both sides, alternating, shaped for the query kind.
std::vector<std::string> Queries(Query kind, const Engines& e) {
  std::mt19937 rng(static_cast<unsigned>(kind) + 1);
  std::vector<std::string> queries;
  for (int i = 0; i < kQueries; ++i) {
    const auto& words = (i % 2 == 0 || e.words2.empty()) ? e.words1 : e.words2;
    const std::string& word =
        words[std::uniform_int_distribution<std::size_t>(0, words.size() - 1)(rng)];
    switch (kind) {
      case Query::kHit:
        queries.push_back(word);
        break;
      case Query::kMiss:
        queries.push_back(word + word.substr(0, 2) + word);
        break;
      case Query::kTrimmed:
        queries.push_back(" " + word + ".");
        break;
      case Query::kOneLetter:
        queries.push_back(word.substr(0, 1));
        break;
      case Query::kThreeLetters:
        queries.push_back(word.substr(0, 3));
        break;
    }
  }
  return queries;
}

template <typename T, typename Lookup>
void Run(benchmark::State& state, const std::vector<T>& queries, Lookup lookup) {
  std::size_t i = 0;
  std::size_t found = 0;
  for (auto _ : state) {
    found += lookup(queries[i++ % queries.size()]) ? 1 : 0;
  }
  state.counters["found%"] = 100.0 * static_cast<double>(found) / static_cast<double>(i);
}

template <typename Indexed, typename Linear>
void RegisterPair(const std::string& name, Indexed indexed, Linear linear) {
  for (auto* b : {benchmark::RegisterBenchmark((name + "/indexed").c_str(), indexed),
                  benchmark::RegisterBenchmark((name + "/linear").c_str(), linear)}) {
    b->Unit(benchmark::kMicrosecond)->Repetitions(5)->DisplayAggregatesOnly(true);
  }
}

void RegisterLookups(const std::string& name, Engines& e, Query kind, bool complete) {
  auto queries = std::make_shared<const std::vector<std::string>>(Queries(kind, e));
  RegisterPair(
      name,
      [&e, queries, complete](benchmark::State& state) {
        Dictionary& d = *e.dictionary;
        Run(state, *queries,
            [&](const std::string& w) { return complete ? d.AutoComplete(w) : d.Translate(w); });
      },
      [&e, queries, complete](benchmark::State& state) {
        LinearLookup& l = *e.linear;
        Run(state, *queries,
            [&](const std::string& w) { return complete ? l.AutoComplete(w) : l.Translate(w); });
      });
}

// Neighbour lists from where real hits put them; both ways must list the same headwords.
void RegisterNeighbours(const std::string& name, Engines& e) {
  auto starts = std::make_shared<std::vector<std::int32_t>>();
  for (const std::string& word : Queries(Query::kHit, e)) {
    if (e.dictionary->Translate(word)) starts->push_back(e.dictionary->PredniDumi());
  }
  int differ = 0;
  for (const std::int32_t start : *starts) {
    differ += e.dictionary->Load5Etikets(start) != e.linear->Load5Etikets(start) ? 1 : 0;
  }
  if (differ > 0 || starts->empty()) {
    std::fprintf(stderr, "%s: %d of %zu neighbour lists differ\n", name.c_str(), differ,
                 starts->size());
    std::exit(1);
  }
  RegisterPair(
      name,
      [&e, starts](benchmark::State& state) {
        Run(state, *starts, [&](std::int32_t p) { return !e.dictionary->Load5Etikets(p).empty(); });
      },
      [&e, starts](benchmark::State& state) {
        Run(state, *starts, [&](std::int32_t p) { return !e.linear->Load5Etikets(p).empty(); });
      });
}

void RegisterAll(const std::string& prefix, Engines& e, bool trimmed) {
  RegisterLookups(prefix + "Translate/hit", e, Query::kHit, false);
  RegisterLookups(prefix + "Translate/miss", e, Query::kMiss, false);
  if (trimmed) RegisterLookups(prefix + "Translate/trimmed", e, Query::kTrimmed, false);
  RegisterLookups(prefix + "AutoComplete/1_letter", e, Query::kOneLetter, true);
  RegisterLookups(prefix + "AutoComplete/3_letters", e, Query::kThreeLetters, true);
  RegisterNeighbours(prefix + "Load5Etikets", e);
}

struct IndexBlock {
  std::string bytes;
  BaseHeader header;
  std::string_view Block() const {
    return std::string_view(bytes).substr(header.indexOffset + 5, header.indexLength);
  }
};

IndexBlock ReadIndexBlock(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  IndexBlock block{std::string(std::istreambuf_iterator<char>(in), {}), {}};
  ParseBaseHeader(block.bytes, &block.header);
  return block;
}

void DecipherIndex(benchmark::State& state) {
  const SyntheticBase& base = MakeSyntheticBase(kWordsPerSide);
  const IndexBlock block = ReadIndexBlock(base.folder / base.fileName);
  Engines& e = Synthetic();
  for (auto _ : state) benchmark::DoNotOptimize(e.crypto.Decrypt(block.Block(), block.header.key));
}

void LoadBase(benchmark::State& state) {
  const SyntheticBase& base = MakeSyntheticBase(kWordsPerSide);
  Engines& e = Synthetic();
  for (auto _ : state) {
    Dictionary d(e.crypto, e.errors, base.folder, SystemCaseMap);
    benchmark::DoNotOptimize(d.Initialize(base.fileName));
  }
}

void DecipherFourIndexes(benchmark::State& state) {
  std::vector<IndexBlock> blocks;
  for (const char* name : kFreeDictBases) blocks.push_back(ReadIndexBlock(FreeDictFolder() / name));
  ErrorClass errors;
  MakeCrypto crypto(errors);
  for (auto _ : state) {
    for (const IndexBlock& b : blocks) {
      benchmark::DoNotOptimize(crypto.Decrypt(b.Block(), b.header.key));
    }
  }
}

// All four held at once, as start-up leaves them; freeing them is not timed.
void LoadFourBases(benchmark::State& state) {
  ErrorClass errors;
  MakeCrypto crypto(errors);
  std::vector<std::unique_ptr<Dictionary>> loaded;
  for (auto _ : state) {
    for (const char* name : kFreeDictBases) {
      loaded.push_back(
          std::make_unique<Dictionary>(crypto, errors, FreeDictFolder(), SystemCaseMap));
      benchmark::DoNotOptimize(loaded.back()->Initialize(name));
    }
    state.PauseTiming();
    loaded.clear();
    state.ResumeTiming();
  }
}

void RegisterLoad(const char* decipherName, void (*decipher)(benchmark::State&),
                  const char* loadName, void (*load)(benchmark::State&)) {
  for (auto* b : {benchmark::RegisterBenchmark(decipherName, decipher),
                  benchmark::RegisterBenchmark(loadName, load)}) {
    b->Unit(benchmark::kMillisecond)->Repetitions(5)->DisplayAggregatesOnly(true);
  }
}

void PrintSize(const char* what, const Dictionary& d) {
  std::printf(
      "%s: %d + %d headwords, index text %zu bytes, lookup structures %zu bytes (%.0f%%)\n", what,
      d.BroiDumi1(), d.BroiDumi2(), d.BazaDumi().size(), d.LookupBytes(),
      100.0 * static_cast<double>(d.LookupBytes()) / static_cast<double>(d.BazaDumi().size()));
}

}  // namespace
}  // namespace vokabi::bench

int main(int argc, char** argv) {
  using namespace vokabi::bench;
  benchmark::Initialize(&argc, argv);
  PrintSize("synthetic base", *Synthetic().dictionary);
  RegisterLoad("Load/decipher_index_only", DecipherIndex, "Load/whole_base", LoadBase);
  RegisterAll("", Synthetic(), true);

  const auto folder = FreeDictFolder();
  if (FreeDictBasesPresent(folder)) {
    PrintSize("enbg.vkb", *English().dictionary);
    RegisterLoad("FreeDict/Load4/decipher_indexes_only", DecipherFourIndexes,
                 "FreeDict/Load4/whole_bases", LoadFourBases);
    RegisterAll("FreeDict/enbg/", English(), false);
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
