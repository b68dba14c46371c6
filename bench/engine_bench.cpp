// Lookup speed of the engine beside a plain linear search through the index text, on a synthetic
// base of 250,000 headwords per side. Each indexed figure is printed next to its baseline.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/error_class.h"
#include "bench/linear_lookup.h"
#include "bench/synthetic_base.h"
#include "engine/base_header.h"
#include "engine/dictionary.h"
#include "engine/make_crypto.h"
#include "platform/case_map.h"

namespace vokabi::bench {
namespace {

constexpr int kWordsPerSide = 250000;
constexpr int kQueries = 1024;

struct Engines {
  ErrorClass errors;
  MakeCrypto crypto{errors};
  std::unique_ptr<Dictionary> dictionary;
  std::unique_ptr<LinearLookup> linear;
};

const SyntheticBase& Base() {
  return MakeSyntheticBase(kWordsPerSide);
}

Engines& Loaded() {
  static Engines engines = [] {
    Engines e;
    e.dictionary = std::make_unique<Dictionary>(e.crypto, e.errors, Base().folder,
                                                platform::CaseMapForCharset);
    e.linear = std::make_unique<LinearLookup>(e.crypto, e.errors, platform::CaseMapForCharset(0),
                                              platform::CaseMapForCharset(204));
    if (!e.dictionary->Initialize(Base().fileName) ||
        !e.linear->Load(Base().folder / Base().fileName)) {
      std::fprintf(stderr, "the synthetic base does not load\n");
      std::exit(1);
    }
    return e;
  }();
  return engines;
}

enum class Query { kHit, kMiss, kTrimmed, kOneLetter, kThreeLetters };

// Words of both sides, alternating, shaped for the query kind.
std::vector<std::string> Queries(Query kind) {
  std::mt19937 rng(static_cast<unsigned>(kind) + 1);
  std::uniform_int_distribution<int> pick(0, kWordsPerSide - 1);
  std::vector<std::string> queries;
  for (int i = 0; i < kQueries; ++i) {
    const std::string& word = (i % 2 == 0 ? Base().words1 : Base().words2)[pick(rng)];
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

template <typename Lookup>
void Run(benchmark::State& state, Query kind, Lookup lookup) {
  const std::vector<std::string> queries = Queries(kind);
  std::size_t i = 0;
  std::size_t found = 0;
  for (auto _ : state) {
    found += lookup(queries[i++ % queries.size()]) ? 1 : 0;
  }
  state.counters["found%"] = 100.0 * static_cast<double>(found) / static_cast<double>(i);
}

void RegisterLookups(const char* name, Query kind, bool complete) {
  const auto indexed = [kind, complete](benchmark::State& state) {
    Dictionary& d = *Loaded().dictionary;
    Run(state, kind,
        [&](const std::string& w) { return complete ? d.AutoComplete(w) : d.Translate(w); });
  };
  const auto linear = [kind, complete](benchmark::State& state) {
    LinearLookup& l = *Loaded().linear;
    Run(state, kind,
        [&](const std::string& w) { return complete ? l.AutoComplete(w) : l.Translate(w); });
  };
  for (auto* b : {benchmark::RegisterBenchmark((std::string(name) + "/indexed").c_str(), indexed),
                  benchmark::RegisterBenchmark((std::string(name) + "/linear").c_str(), linear)}) {
    b->Unit(benchmark::kMicrosecond)->Repetitions(5)->DisplayAggregatesOnly(true);
  }
}

std::string FileBytes() {
  std::ifstream in(Base().folder / Base().fileName, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void DecipherIndex(benchmark::State& state) {
  const std::string bytes = FileBytes();
  BaseHeader header;
  ParseBaseHeader(bytes, &header);
  const std::string_view block =
      std::string_view(bytes).substr(header.indexOffset + 5, header.indexLength);
  Engines& e = Loaded();
  for (auto _ : state) benchmark::DoNotOptimize(e.crypto.Decrypt(block, header.key));
}

void LoadBase(benchmark::State& state) {
  Engines& e = Loaded();
  for (auto _ : state) {
    Dictionary d(e.crypto, e.errors, Base().folder, platform::CaseMapForCharset);
    benchmark::DoNotOptimize(d.Initialize(Base().fileName));
  }
}

}  // namespace
}  // namespace vokabi::bench

int main(int argc, char** argv) {
  using namespace vokabi::bench;
  benchmark::Initialize(&argc, argv);
  const auto& dictionary = *Loaded().dictionary;
  std::printf(
      "synthetic base: %d headwords per side, index text %zu bytes, lookup structures %zu bytes "
      "(%.0f%% of the text)\n",
      kWordsPerSide, dictionary.BazaDumi().size(), dictionary.LookupBytes(),
      100.0 * static_cast<double>(dictionary.LookupBytes()) /
          static_cast<double>(dictionary.BazaDumi().size()));

  for (auto* b : {benchmark::RegisterBenchmark("Load/decipher_index_only", DecipherIndex),
                  benchmark::RegisterBenchmark("Load/whole_base", LoadBase)}) {
    b->Unit(benchmark::kMillisecond)->Repetitions(5)->DisplayAggregatesOnly(true);
  }
  RegisterLookups("Translate/hit", Query::kHit, false);
  RegisterLookups("Translate/miss", Query::kMiss, false);
  RegisterLookups("Translate/trimmed", Query::kTrimmed, false);
  RegisterLookups("AutoComplete/1_letter", Query::kOneLetter, true);
  RegisterLookups("AutoComplete/3_letters", Query::kThreeLetters, true);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
