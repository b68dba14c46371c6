// A lookup that misses the word as typed, beside one that finds it, on the English-Bulgarian
// default base: through a base form with Hunspell's dictionary already read and with it read
// afresh, and a miss that ends in suggestions. Also the memory each language's dictionary takes.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/base_forms.h"
#include "app/error_class.h"
#include "app/lookup_help.h"
#include "app/system_case_map.h"
#include "bench/freedict_bases.h"
#include "engine/dictionary.h"
#include "engine/make_crypto.h"
#include "platform/spelling_folders.h"

namespace vokabi::bench {
namespace {

long ResidentKb() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident * sysconf(_SC_PAGESIZE) / 1024;
}

struct English {
  ErrorClass errors;
  MakeCrypto crypto{errors};
  Dictionary dictionary{crypto, errors, FreeDictFolder(), SystemCaseMap};
  BaseForms forms{platform::SpellingFolders({})};
  LookupHelp help;
};

English& Base() {
  static English* base = [] {
    auto* made = new English;
    if (!made->dictionary.Initialize(kFreeDictBases[0])) {
      std::fprintf(stderr, "%s does not load\n", kFreeDictBases[0]);
      std::exit(1);
    }
    return made;
  }();
  return *base;
}

void Help(benchmark::State& state, const char* word, bool fresh) {
  English& e = Base();
  for (auto _ : state) {
    if (fresh) {
      BaseForms forms(platform::SpellingFolders({}));
      benchmark::DoNotOptimize(
          TranslateWithHelp(e.dictionary, e.errors, &forms, word, true, &e.help));
    } else {
      benchmark::DoNotOptimize(
          TranslateWithHelp(e.dictionary, e.errors, &e.forms, word, true, &e.help));
    }
  }
}

}  // namespace
}  // namespace vokabi::bench

int main(int argc, char** argv) {
  using namespace vokabi::bench;
  benchmark::Initialize(&argc, argv);
  if (!FreeDictBasesPresent(FreeDictFolder())) return 1;
  // One object each, all kept, so that none is dropped from memory for another.
  std::vector<std::unique_ptr<vokabi::BaseForms>> kept;
  for (const char* language : {"bg", "de", "en", "es", "fr", "it", "ru"}) {
    const long before = ResidentKb();
    kept.push_back(std::make_unique<vokabi::BaseForms>(vokabi::platform::SpellingFolders({})));
    const bool known = kept.back()->Knows(language);
    std::printf("Hunspell %s: %s, %ld KB resident\n", language, known ? "read" : "missing",
                ResidentKb() - before);
  }
  auto unit = [](benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMicrosecond)->Repetitions(5)->DisplayAggregatesOnly(true);
  };
  unit(benchmark::RegisterBenchmark("enbg/found_as_typed/house", [](benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Base().dictionary.Translate("house"));
  }));
  unit(benchmark::RegisterBenchmark("enbg/base_form/houses", Help, "houses", false));
  unit(benchmark::RegisterBenchmark("enbg/base_form_first_miss/houses", Help, "houses", true));
  unit(benchmark::RegisterBenchmark("enbg/suggestions/hosue", Help, "hosue", false));
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
