#include <exception>
#include <iostream>
#include <string>

#include "app/version.h"
#include "platform/command_line.h"
#include "tools/vkb/vkb.h"

namespace vokabi::vkb {

const char* UsageText() {
  return R"(vkb - look words up in a Vokabi base, or build one

)"
#ifdef VKB_LOOKUP_ONLY
         R"(  This vkb is built for Windows without ICU and Hunspell: it leaves out build and
  evaluate, and a lookup that misses gets close headwords but no base forms.

)"
#endif
         R"(  vkb info [--json] [--lang N] BASE
      Identity, version, word counts, character sets and language names of the base.
  vkb lookup [--json] [--exact] [--lang N] BASE WORD
      Translates WORD as the program does (case-insensitive, stray punctuation trimmed).
      A word not found is looked for by its base forms (houses: house), from the Hunspell
      dictionaries beside the base ("dictionaries") or on the system; the answer then names
      the headword found as "via". A miss lists up to nine close headwords as "suggestions".
      Where both sides share a character set and the word is a headword on both, the other
      side's article follows as "also", each under its "direction".
      --exact looks for the word as typed only.
  vkb complete [--json] [--lang N] BASE PREFIX
      The first headword that begins with PREFIX, with its translation.
  vkb neighbours [--json] [--lang N] BASE POSITION
      The nine headwords from index position POSITION on (the "position" of a lookup).
  vkb shell [--exact] [--lang N] BASE
      Reads commands from standard input, one a line, and answers each with one JSON line:
        lookup WORD | complete PREFIX | neighbours POSITION | back | next
      All commands share one dictionary, so back and next walk the history of lookups.
  vkb build [options] SIDE1 [SIDE2] OUT.vkb
      Builds a base. Each side comes from a UTF-8 file of "headword<TAB>translation" lines
      or from a dictd database (NAME.index with NAME.dict.dz, given as NAME or NAME.index,
      for example /usr/share/dictd/freedict-eng-bul).
      Files: blank lines and lines starting with "#" are skipped. In translations, \n is a
      line break, \t a tab and \\ a backslash; headwords are taken as written. A headword
      listed twice on one side gets both translations.
      Databases: every index line gives a headword and its article ("00database" lines are
      left out); the lines of one headword make one entry, their articles a blank line
      apart. An article's first line gives the headword as written and its part of speech
      <...>; its pronunciation /.../ is dropped. Its other lines are kept, cleaned as below,
      wiki links [[a|b]] reading as b.
      Without SIDE2, side 2 is derived from a database on side 1: the translations of an
      article are its lines that begin with a sense number ("1. "), or its first line when
      none does; each names terms separated by commas, leaving out text in parentheses.
      Every term becomes a side-2 headword whose translation lists, comma-separated, the
      side-1 headwords it translates.
      An article shows its part of speech as a short label ("n., f."), each sense on its
      own numbered line, each term once a line, and no leftover markup or web addresses.
      Beside OUT.vkb it writes OUT.vkbx, the companion file that lets a lookup answer a
      word the base lacks without reading the whole index or a Hunspell dictionary.
      Headwords are written in their side's character set, translations in the other
      side's. Characters a code page lacks are changed on purpose and counted: a word of
      another script is written as its language writes it without its special letters
      (German ä ö ü ß as ae oe ue ss, other accents dropped, Cyrillic and Greek romanised),
      stress and accent marks removed, typographic quotes, dashes and spaces made plain,
      letters written without their accent or spelled out (ß as ss), the rest dropped.
      Within a first-letter group the headwords follow the collation of their language
      where it is known (--language1, --language2), else the case-insensitive byte order.
      A database reads at most 256 MiB of articles, and only as far as its index points.
        --id ID          8-character base id (default xxbgvk01)
        --version V      4-character version (default 0100)
        --name K=TEXT    language names in interface language K (0 Bulgarian, 1 English,
                         2 French, 3 German, 4 Spanish, 5 Italian, 6 Russian), written
                         "side 1 language,side 2 language"
        --names A|B|C|D|E|F|G   all seven at once
        --charset1 N     character set of side 1 (default 0, Western)
        --charset2 N     character set of side 2 (default 204, Cyrillic)
        --key KEY        cipher key, printable ASCII (default: a random one)
        --back N         how many earlier headwords a neighbour list shows (default 4)
        --language1 L, --language2 L   the sides' languages (ISO 639 code: es, bg …) for
                         the order of headwords and for writing foreign words; by default
                         taken from FreeDict's names (freedict-spa-bul: es, then bg)
  vkb build [options] --via L=DB --pivot L=DB ... [--min-pivots K] OUT.vkb
      Builds a base for a language with Bulgarian through pivot languages, each named by a
      label L ("en"): --via a database from the language into L, --via-inverted one from L
      into the language (read the other way round), --pivot one from L into Bulgarian. A
      Bulgarian term reached from a headword through a pivot word counts once per pivot
      language; the terms reached through at least K languages (default 1) are kept, most
      first. With K+ (2+), a term one language alone reaches is kept too when its pivot
      word has it as its only Bulgarian translation and it leads back through that
      language to this headword only. The article lists the terms and, on a second line,
      the pivot words that led there ("en: house, home; de: Haus"); labels are ISO 639-1
      codes, and pl, el … pivot words are read in their own code pages. Side 2 is derived
      from side 1 as above.
  vkb evaluate --via L=DB --pivot L=DB ... --reference DB [--sample N] [--min-precision P@K]
      Measures triangulation against a real dictionary from the language into Bulgarian:
      precision and recall of the derived pairs at K = 1 to 4, with the terms one language
      confirms (K+), and per pivot language, on the headwords both have (pairs match in
      lower case, stress marks removed). --sample takes every Nth of those headwords;
      --min-precision fails when precision at K (or K+) is below P per cent.
  vkb help | --help
      This text.
  vkb --version
      The version of vkb, which is the program's version.

Options:
  --json     answer with one JSON object: {"ok": true, ...} or
             {"ok": false, "message": N, "text": "..."}
  --lang N   interface language of message texts, 0 to 6 (default 1, English)

Arguments and input are UTF-8; a word is sent in the code page of the side it fits.
Exit status: 0 done, 1 failed (not found, base unreadable, build refused), 2 bad usage.
)";
}

namespace {

int Dispatch(const std::string& command, const Args& args) {
  if (command == "help" || command == "--help" || command == "-h") {
    std::cout << UsageText();
    return kExitOk;
  }
  if (command == "--version") {
    std::cout << "vkb " << kVersionText << '\n';
    return kExitOk;
  }
  for (const std::string& arg : args) {
    if (arg == "--help") {
      std::cout << UsageText();
      return kExitOk;
    }
  }
  if (command == "info") return RunInfo(args);
  if (command == "lookup") return RunLookup(args);
  if (command == "complete") return RunComplete(args);
  if (command == "neighbours") return RunNeighbours(args);
  if (command == "shell") return RunShell(args);
  if (command == "build") return RunBuild(args);
  if (command == "evaluate") return RunEvaluate(args);
  return UsageError("unknown command \"" + command + "\"");
}

}  // namespace
}  // namespace vokabi::vkb

int main(int argc, char** argv) {
  using namespace vokabi::vkb;
  // Answers are UTF-8 and JSON lines, byte for byte the same on every system.
  vokabi::platform::UseBinaryStandardStreams();
  const Args all = vokabi::platform::Utf8Arguments(argc, argv);
  if (all.empty()) {
    std::cerr << UsageText();
    return kExitUsage;
  }
  try {
    return Dispatch(all[0], Args(all.begin() + 1, all.end()));
  } catch (const std::exception& e) {
    std::cerr << "vkb: " << e.what() << '\n';
    return kExitFailed;
  }
}
