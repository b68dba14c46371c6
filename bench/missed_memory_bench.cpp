// Resident memory of the program's lookups before and after misses in three languages beside
// Bulgarian (English, Spanish, Russian: each side of its default base), through the bases'
// companion files, beside the same misses through Hunspell and every headword. Each way runs in a
// process of its own, started from this one, so neither sees what the other left.
#include <sys/wait.h>
#include <unistd.h>

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

// VmRSS of this process in KiB.
long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

// Loads the three bases as the window does, then looks up inflected forms and typing mistakes on
// both sides of each; prints the resident size before and after, in KiB.
int Measure(const std::filesystem::path& folder, bool companions) {
  ErrorClass errors;
  MakeCrypto crypto(errors);
  std::vector<std::unique_ptr<Dictionary>> bases;
  for (const char* name : {"enbg.vkb", "esbg.vkb", "rubg.vkb"}) {
    bases.push_back(std::make_unique<Dictionary>(crypto, errors, folder, SystemCaseMap));
    if (!bases.back()->Initialize(name)) return 1;
  }
  BaseForms forms(platform::SpellingFolders(folder));
  Companions shortcuts(platform::SpellingFolders(folder));
  // Warm: one hit in each, so that what the lookups themselves need is counted before.
  for (auto& base : bases) base->Translate(base->ID().substr(0, 1) == "e" ? "house" : "a");
  const long before = ResidentKiB();
  const char* const misses[3][6] = {{"houses", "cities", "hosue", "recieve", "къщата", "къшта"},
                                    {"Häuser", "Kinder", "Hasu", "Kidner", "къщата", "къшта"},
                                    {"maisons", "chevaux", "maisno", "chevla", "къщата", "къшта"}};
  for (int round = 0; round < 3; ++round) {
    for (std::size_t b = 0; b < bases.size(); ++b) {
      Dictionary& base = *bases[b];
      for (const char* word : misses[b]) {
        LookupHelp help;
        errors.Clear();
        TranslateWithHelp(base, errors, &forms,
                          platform::EncodeForBase(word, base.Charset1(), base.Charset2()), true,
                          &help, companions ? shortcuts.For(base) : LookupShortcuts{});
      }
    }
  }
  std::cout << before << ' ' << ResidentKiB() << std::endl;
  return 0;
}

// Runs Measure in a child process; its two figures.
bool Child(const std::filesystem::path& folder, bool companions, long* before, long* after) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return false;
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
  return std::sscanf(out.c_str(), "%ld %ld", before, after) == 2;
}

}  // namespace

int main() {
  const std::filesystem::path folder = vokabi::bench::FreeDictFolder();
  if (!vokabi::bench::FreeDictBasesPresent(folder)) return 0;
  long with[2], without[2];
  if (!Child(folder, true, &with[0], &with[1]) || !Child(folder, false, &without[0], &without[1])) {
    std::cerr << "missed_memory_bench: a measuring process failed\n";
    return 1;
  }
  std::printf("resident KiB before and after misses in English, Spanish, Russian and Bulgarian:\n");
  std::printf("  with companion files    %7ld -> %7ld  (+%.1f MiB, goal <= 5 MiB)\n", with[0],
              with[1], (with[1] - with[0]) / 1024.0);
  std::printf("  without (Hunspell, scan) %7ld -> %7ld  (+%.1f MiB)\n", without[0], without[1],
              (without[1] - without[0]) / 1024.0);
  return 0;
}
