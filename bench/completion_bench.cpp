// One keystroke of completion as the window runs it, with the word-form check (is the typed text
// a form of a headword, by the Hunspell dictionaries already read?) beside the same keystroke
// without it, on the synthetic base of 250,000 headwords per side and on the English-Bulgarian
// default base. Every prefix of a sample of headwords is typed, plus inflected forms; the figures
// are the median and the 99th percentile of single keystrokes, each keystroke timed as it comes
// and as the least of five in a row. Then the first keystroke after
// start-up, while the dictionaries are still being read on their worker.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "app/base_forms.h"
#include "app/error_class.h"
#include "app/lookup_help.h"
#include "app/system_case_map.h"
#include "bench/freedict_bases.h"
#include "bench/synthetic_base.h"
#include "engine/dictionary.h"
#include "engine/make_crypto.h"
#include "platform/codepage.h"
#include "platform/spelling_folders.h"

namespace vokabi::bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kSyntheticWords = 250000;
constexpr std::size_t kSampleWords = 400;

// What the window does on a key release with completion on.
bool Keystroke(Dictionary& dictionary, BaseForms* forms, const std::string& typed) {
  if (forms != nullptr) {
    if (const auto position = LoadedBaseFormEntry(dictionary, *forms, typed))
      return dictionary.CompleteAt(*position);
  }
  return dictionary.AutoComplete(typed);
}

double Microseconds(Clock::duration d) {
  return std::chrono::duration<double, std::micro>(d).count();
}

struct Figures {
  double median = 0;
  double p99 = 0;
};

Figures Of(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], times[times.size() * 99 / 100]};
}

// Each keystroke kRepeats times in a row: the first time as it comes, and the least of them,
// which leaves out the waits of a machine shared with other work.
constexpr int kRepeats = 5;

std::pair<Figures, Figures> Time(Dictionary& dictionary, BaseForms* forms,
                                 const std::vector<std::string>& typed) {
  std::vector<double> first;
  std::vector<double> least;
  for (const std::string& text : typed) {
    double best = 0;
    for (int r = 0; r < kRepeats; ++r) {
      const auto start = Clock::now();
      Keystroke(dictionary, forms, text);
      const double time = Microseconds(Clock::now() - start);
      if (r == 0) first.push_back(time);
      best = r == 0 ? time : std::min(best, time);
    }
    least.push_back(best);
  }
  return {Of(std::move(first)), Of(std::move(least))};
}

// Every prefix of every sampled headword, as typed letter by letter, then the extra texts.
std::vector<std::string> Keystrokes(const std::vector<std::string>& headwords,
                                    const std::vector<std::string>& extra) {
  std::vector<std::string> typed;
  const std::size_t step = std::max<std::size_t>(1, headwords.size() / kSampleWords);
  for (std::size_t i = 0; i < headwords.size(); i += step) {
    for (std::size_t n = 1; n <= headwords[i].size(); ++n)
      typed.push_back(headwords[i].substr(0, n));
  }
  typed.insert(typed.end(), extra.begin(), extra.end());
  return typed;
}

void Compare(const char* name, Dictionary& dictionary, BaseForms& forms,
             const std::vector<std::string>& typed) {
  // A first round warms the caches and the file reads alike for both.
  Time(dictionary, &forms, typed);
  const auto [without, withoutLeast] = Time(dictionary, nullptr, typed);
  const auto [with, withLeast] = Time(dictionary, &forms, typed);
  std::printf("%s, %zu keystrokes (median / p99, microseconds):\n", name, typed.size());
  std::printf("  as they come:   without check %6.1f / %7.1f   with check %6.1f / %7.1f\n",
              without.median, without.p99, with.median, with.p99);
  std::printf("  least of %d:     without check %6.1f / %7.1f   with check %6.1f / %7.1f\n",
              kRepeats, withoutLeast.median, withoutLeast.p99, withLeast.median, withLeast.p99);
}

std::vector<std::string> Encoded(int charset, const std::vector<const char*>& utf8) {
  std::vector<std::string> words;
  for (const char* word : utf8) words.push_back(platform::EncodeCharset(charset, word).bytes);
  return words;
}

}  // namespace
}  // namespace vokabi::bench

int main() {
  using namespace vokabi;
  using namespace vokabi::bench;
  const std::vector<std::string> forms1 =
      Encoded(0, {"houses", "cities", "walked", "children", "better", "running"});
  const std::vector<std::string> forms2 = Encoded(204, {"къщи", "къщата", "градове", "жените"});
  std::vector<std::string> extra = forms1;
  extra.insert(extra.end(), forms2.begin(), forms2.end());

  ErrorClass errors;
  MakeCrypto crypto(errors);
  BaseForms forms(platform::SpellingFolders({}));
  forms.LoadInBackground({"en", "bg"});
  forms.WaitForBackground();

  const SyntheticBase& synthetic = MakeSyntheticBase(kSyntheticWords);
  Dictionary big(crypto, errors, synthetic.folder, SystemCaseMap);
  if (!big.Initialize(synthetic.fileName)) {
    std::fprintf(stderr, "the synthetic base does not load\n");
    return 1;
  }
  std::vector<std::string> words = synthetic.words1;
  words.insert(words.end(), synthetic.words2.begin(), synthetic.words2.end());
  Compare("synthetic", big, forms, Keystrokes(words, extra));

  const auto folder = FreeDictFolder();
  if (FreeDictBasesPresent(folder)) {
    Dictionary enbg(crypto, errors, folder, SystemCaseMap);
    if (!enbg.Initialize(kFreeDictBases[0])) {
      std::fprintf(stderr, "%s does not load\n", kFreeDictBases[0]);
      return 1;
    }
    const Headwords headwords = IndexHeadwords(enbg.BazaDumi(), enbg.Section2Start());
    std::vector<std::string> all = headwords.side1;
    all.insert(all.end(), headwords.side2.begin(), headwords.side2.end());
    Compare("enbg", enbg, forms, Keystrokes(all, extra));

    // Start-up: the dictionaries are asked for on their worker, and the first keystroke comes
    // at once. It must cost what a keystroke without the check costs, not the dictionaries' load.
    BaseForms fresh(platform::SpellingFolders({}));
    const auto asked = Clock::now();
    fresh.LoadInBackground({"en", "bg"});
    const auto start = Clock::now();
    Keystroke(enbg, &fresh, forms2[0]);
    const double first = Microseconds(Clock::now() - start);
    fresh.WaitForBackground();
    const double load = Microseconds(Clock::now() - asked);
    std::printf(
        "first keystroke after start-up: %.1f us, while the dictionaries took %.0f us "
        "to read on their worker\n",
        first, load);
  }
  return 0;
}
