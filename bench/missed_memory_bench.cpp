// Resident memory of the program's lookups before and after misses in three languages beside
// Bulgarian (English, Spanish, Russian: each side of its default base), through the bases'
// companion files, beside the same misses through Hunspell and every headword. Each way runs in a
// process of its own, started from this one, so neither sees what the other left. Besides VmRSS it
// prints its two parts: RssAnon (the heap: Hunspell's dictionaries, the program's own data) and
// RssFile (pages of mapped files, among them the companions'), and names the words after which
// the heap grew by more than kNoticed.
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/base_forms.h"
#include "app/companions.h"
#include "app/error_class.h"
#include "app/lookup_help.h"
#include "app/system_case_map.h"
#include "bench/freedict_bases.h"
#include "engine/dictionary.h"
#include "platform/codepage.h"
#include "platform/spelling_folders.h"

namespace {

using namespace vokabi;

constexpr std::array<const char*, 3> kBases = {"enbg.vkb", "esbg.vkb", "rubg.vkb"};
// Growth of the heap after one word that is worth naming, KiB.
constexpr long kNoticed = 256;

// Resident sizes of this process in KiB, as /proc/self/status gives them.
struct Resident {
  long total = -1;
  long anon = -1;
  long file = -1;
};

Resident Measured() {
  Resident resident;
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    for (auto [key, value] :
         {std::pair{"VmRSS:", &resident.total}, std::pair{"RssAnon:", &resident.anon},
          std::pair{"RssFile:", &resident.file}}) {
      const std::string_view name(key);
      if (line.rfind(name, 0) == 0) *value = std::stol(line.substr(name.size()));
    }
  }
  return resident;
}

// Per base: inflected forms, typing mistakes, then the same for Bulgarian, as users type them.
const char* const kMisses[kBases.size()][6] = {
    {"houses", "cities", "hosue", "recieve", "къщата", "къшта"},
    {"casas", "perros", "csaa", "preros", "къщата", "къшта"},
    {"книги", "столы", "кинга", "сотлы", "къщата", "къшта"}};

// Loads the three bases as the window does, then looks the misses up three times over; prints the
// resident sizes before and after (KiB) on standard output, and on standard error each word after
// which the heap grew notably.
int Measure(const std::filesystem::path& folder, bool companions) {
  ErrorClass errors;
  MakeCrypto crypto(errors);
  std::vector<std::unique_ptr<Dictionary>> bases;
  for (const char* name : kBases) {
    bases.push_back(std::make_unique<Dictionary>(crypto, errors, folder, SystemCaseMap));
    if (!bases.back()->Initialize(name)) return 1;
  }
  BaseForms forms(platform::SpellingFolders(folder));
  Companions shortcuts(platform::SpellingFolders(folder));
  // Warm: one hit in each, so that what the lookups themselves need is counted before.
  for (auto& base : bases) base->Translate(base->ID().substr(0, 1) == "e" ? "house" : "a");
  const Resident before = Measured();
  for (int round = 0; round < 3; ++round) {
    for (std::size_t b = 0; b < bases.size(); ++b) {
      Dictionary& base = *bases[b];
      for (const char* word : kMisses[b]) {
        const long heap = Measured().anon;
        LookupHelp help;
        errors.Clear();
        TranslateWithHelp(base, errors, &forms,
                          platform::EncodeForBase(word, base.Charset1(), base.Charset2()), true,
                          &help, companions ? shortcuts.For(base) : LookupShortcuts{});
        const long grown = Measured().anon - heap;
        if (grown > kNoticed) {
          std::fprintf(stderr, "    heap +%.1f MiB after %s in %s\n", grown / 1024.0, word,
                       kBases[b]);
        }
      }
    }
  }
  const Resident after = Measured();
  std::cout << before.total << ' ' << before.anon << ' ' << before.file << ' ' << after.total << ' '
            << after.anon << ' ' << after.file << std::endl;
  return 0;
}

// Runs Measure in a child process; its figures, before and after.
bool Child(const std::filesystem::path& folder, bool companions, Resident* before,
           Resident* after) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return false;
  std::fflush(stdout);
  const pid_t child = fork();
  if (child == 0) {
    dup2(pipeEnds[1], 1);
    close(pipeEnds[0]);
    std::_Exit(Measure(folder, companions));
  }
  close(pipeEnds[1]);
  std::string out;
  char buffer[256];
  for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) out.append(buffer, n);
  close(pipeEnds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  return std::sscanf(out.c_str(), "%ld %ld %ld %ld %ld %ld", &before->total, &before->anon,
                     &before->file, &after->total, &after->anon, &after->file) == 6;
}

void Print(const char* label, const Resident& before, const Resident& after) {
  const auto mib = [](long kib) { return kib / 1024.0; };
  std::printf("  %-26s VmRSS %7ld -> %7ld KiB (%+.1f MiB)  RssAnon %+.1f MiB  RssFile %+.1f MiB\n",
              label, before.total, after.total, mib(after.total - before.total),
              mib(after.anon - before.anon), mib(after.file - before.file));
}

}  // namespace

int main() {
  const std::filesystem::path folder = vokabi::bench::FreeDictFolder();
  for (const char* name : kBases) {
    if (!std::filesystem::is_regular_file(folder / name)) {
      std::printf("%s not in %s (scripts/bases %s builds it): benchmark skipped\n", name,
                  folder.c_str(), folder.c_str());
      return 0;
    }
  }
  Resident with[2], without[2];
  std::printf(
      "resident memory before and after misses in English, Spanish, Russian and "
      "Bulgarian:\n");
  std::fprintf(stderr, "  with companion files:\n");
  const bool withRan = Child(folder, true, &with[0], &with[1]);
  std::fprintf(stderr, "  without them:\n");
  if (!withRan || !Child(folder, false, &without[0], &without[1])) {
    std::cerr << "missed_memory_bench: a measuring process failed\n";
    return 1;
  }
  Print("with companion files", with[0], with[1]);
  Print("without (Hunspell, scan)", without[0], without[1]);
  std::printf("  goal: VmRSS with companion files within 5 MiB of before\n");
  return 0;
}
