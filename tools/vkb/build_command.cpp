#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "app/companion_format.h"
#include "app/companion_writer.h"
#include "app/error_class.h"
#include "app/system_case_map.h"
#include "engine/base_writer.h"
#include "engine/make_crypto.h"
#include "platform/codepage.h"
#include "tools/vkb/arguments.h"
#include "tools/vkb/charset_text.h"
#include "tools/vkb/code_page_fit.h"
#include "tools/vkb/dictd_database.h"
#include "tools/vkb/dictd_import.h"
#include "tools/vkb/headword_order.h"
#include "tools/vkb/pivot_import.h"
#include "tools/vkb/transliteration.h"
#include "tools/vkb/triangulation.h"
#include "tools/vkb/tsv_reader.h"
#include "tools/vkb/vkb.h"

namespace vokabi::vkb {
namespace {

namespace fs = std::filesystem;

struct BuildArgs {
  BaseSource source;
  std::vector<std::string> names;   // UTF-8, 7 fields
  std::string files[3];             // side 1, side 2, output
  std::vector<PivotSource> pivots;  // side 1 triangulated through these, when any
  int minPivots = 1;
  bool withConfirmed = false;  // --min-pivots K+: also what one pivot language confirms
  std::string languages[2];    // ISO 639-1, for the order of headwords and foreign words
};

std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  return 2;
}

// Says which character of the text the character set cannot hold, for the refusal.
std::string FirstUnfit(int charset, const std::string& utf8) {
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t length =
        std::min(SequenceLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
    const std::string character = utf8.substr(i, length);
    if (!platform::FitsCharset(charset, character)) {
      return "\"" + character + "\"";
    }
    i += length;
  }
  return "a character";
}

// Encodes UTF-8 text into the charset, or explains why it cannot.
bool EncodeFor(int charset, const std::string& utf8, const std::string& what, std::string* out,
               std::string* error) {
  if (!platform::FitsCharset(charset, utf8)) {
    *error = what + " \"" + utf8 + "\" has " + FirstUnfit(charset, utf8) + ", which code page " +
             std::to_string(platform::CodePageForCharset(charset)) + " (charset " +
             std::to_string(charset) + ") cannot hold";
    return false;
  }
  *out = platform::EncodeCharset(charset, utf8).bytes;
  return true;
}

bool PrintableAscii(const std::string& text) {
  for (const char c : text) {
    if (c < ' ' || c > '~') return false;
  }
  return true;
}

// Reads "--name value" or "--name=value"; false when the value is missing.
bool OptionValue(const Args& args, std::size_t* i, const std::string& name, std::string* value) {
  const std::string& arg = args[*i];
  if (arg.size() > name.size() && arg.compare(0, name.size() + 1, name + "=") == 0) {
    *value = arg.substr(name.size() + 1);
    return true;
  }
  if (*i + 1 >= args.size()) return false;
  *value = args[++*i];
  return true;
}

bool ParseBuildArgs(const Args& args, BuildArgs* out, std::string* error) {
  out->names.assign(7, std::string());
  std::vector<std::string> positional;
  bool optionsDone = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsDone || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
      positional.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsDone = true;
      continue;
    }
    const std::string name = arg.substr(0, arg.find('='));
    std::string value;
    const auto number = [&](std::int64_t low, std::int64_t high, int* target) {
      const auto parsed = ParseNumber(value, low, high);
      if (!parsed) {
        *error = name + " takes a number " + std::to_string(low) + " to " + std::to_string(high) +
                 ", not \"" + value + "\"";
        return false;
      }
      *target = static_cast<int>(*parsed);
      return true;
    };
    static const char* const kTaking[] = {
        "--id",       "--version",    "--name",      "--names",    "--charset1",
        "--charset2", "--key",        "--back",      "--via",      "--via-inverted",
        "--pivot",    "--min-pivots", "--language1", "--language2"};
    if (std::find(std::begin(kTaking), std::end(kTaking), name) == std::end(kTaking)) {
      *error = "unknown option " + name;
      return false;
    }
    if (!OptionValue(args, &i, name, &value)) {
      *error = name + " needs a value";
      return false;
    }
    if (name == "--id") {
      if (value.size() != 8 || !PrintableAscii(value)) {
        *error = "--id takes exactly 8 ASCII characters, not \"" + value + "\"";
        return false;
      }
      out->source.id = value;
    } else if (name == "--version") {
      if (value.size() != 4 || !PrintableAscii(value)) {
        *error = "--version takes exactly 4 ASCII characters, not \"" + value + "\"";
        return false;
      }
      out->source.version = value;
    } else if (name == "--key") {
      if (value.empty() || value.size() > 255 || !PrintableAscii(value)) {
        *error = "--key takes 1 to 255 printable ASCII characters";
        return false;
      }
      out->source.key = value;
    } else if (name == "--charset1") {
      if (!number(0, 255, &out->source.charset1)) return false;
    } else if (name == "--charset2") {
      if (!number(0, 255, &out->source.charset2)) return false;
    } else if (name == "--back") {
      if (!number(0, 511, &out->source.neighboursBack)) return false;
    } else if (name == "--min-pivots") {
      out->withConfirmed = !value.empty() && value.back() == '+';
      if (out->withConfirmed) value.pop_back();
      if (!number(1, 9, &out->minPivots)) return false;
    } else if (name == "--language1" || name == "--language2") {
      if (value.size() < 2 || value.size() > 3 ||
          !std::all_of(value.begin(), value.end(), [](char c) { return c >= 'a' && c <= 'z'; })) {
        *error = name + " takes a language code such as es or bg, not \"" + value + "\"";
        return false;
      }
      out->languages[name == "--language1" ? 0 : 1] =
          TwoLetterLanguage(value).empty() ? value : TwoLetterLanguage(value);
    } else if (name == "--via" || name == "--via-inverted" || name == "--pivot") {
      if (!AddPivotOption(name, value, &out->pivots, error)) return false;
    } else if (name == "--name") {
      const std::size_t equals = value.find('=');
      const auto k = ParseNumber(value.substr(0, equals), 0, 6);
      if (equals == std::string::npos || !k) {
        *error = "--name takes K=TEXT with K from 0 to 6, not \"" + value + "\"";
        return false;
      }
      out->names[static_cast<std::size_t>(*k)] = value.substr(equals + 1);
    } else {  // --names
      std::vector<std::string> fields;
      std::size_t start = 0;
      for (std::size_t bar; (bar = value.find('|', start)) != std::string::npos; start = bar + 1) {
        fields.push_back(value.substr(start, bar - start));
      }
      fields.push_back(value.substr(start));
      if (fields.size() != 7) {
        *error =
            "--names takes seven names separated by \"|\", got " + std::to_string(fields.size());
        return false;
      }
      out->names = fields;
    }
  }
  if (!out->pivots.empty()) {
    if (!PivotsComplete(out->pivots, error)) return false;
    if (positional.size() != 1) {
      *error = "usage: vkb build [options] --via L=DB --pivot L=DB ... OUT.vkb";
      return false;
    }
    out->files[2] = positional.front();
    return true;
  }
  if (positional.size() != 2 && positional.size() != 3) {
    *error = "usage: vkb build [options] SIDE1 [SIDE2] OUT.vkb";
    return false;
  }
  out->files[0] = positional.front();
  out->files[2] = positional.back();
  if (positional.size() == 3) out->files[1] = positional[1];
  return true;
}

// Reads one side's file into the source, encoding headwords and translations.
bool ReadSide(const std::string& file, int wordCharset, int translationCharset,
              std::vector<SideEntry>* side, std::vector<int>* lines, std::string* error) {
  std::vector<TsvEntry> entries;
  if (!ReadTsv(file, &entries, error)) return false;
  for (const TsvEntry& entry : entries) {
    const std::string where =
        fs::path(file).filename().string() + " line " + std::to_string(entry.line) + ": ";
    SideEntry out;
    if (!EncodeFor(wordCharset, entry.headword, "headword", &out.headword, error) ||
        !EncodeFor(translationCharset, entry.translation, "translation", &out.translation, error)) {
      *error = where + *error;
      return false;
    }
    side->push_back(std::move(out));
    lines->push_back(entry.line);
  }
  return true;
}

// Reads a side from a dictd database and says what fitting it into the code pages changed.
bool ImportSide(const std::string& database, int side, int wordCharset, int translationCharset,
                const std::string& language, std::vector<ImportedEntry>* entries,
                std::string* error) {
  ImportReport report;
  // Articles explain in the headwords' language: those words are the ones that may not fit.
  if (!ImportDictd(database, CodePageFitter(wordCharset),
                   CodePageFitter(translationCharset, language), SystemCaseMap(wordCharset),
                   entries, &report, error)) {
    return false;
  }
  std::cout << "side " << side << ": " << entries->size() << " headwords from " << report.articles
            << " articles of " << fs::path(database).filename().string() << "\n";
  if (report.unusable > 0) {
    std::cout << "  " << report.unusable
              << " headwords with '#', '$' or control characters left out\n";
  }
  const auto describe = [](const char* what, int charset, const FitReport& fit) {
    const std::string lines = fit.Describe();
    if (!lines.empty()) {
      std::cout << what << " in code page " << platform::CodePageForCharset(charset) << ":\n"
                << lines;
    }
  };
  describe("  headwords", wordCharset, report.headwords);
  describe("  translations", translationCharset, report.texts);
  return true;
}

// The headwords stay behind for deriving side 2 from them.
std::vector<SideEntry> AsSide(std::vector<ImportedEntry>& entries) {
  std::vector<SideEntry> side;
  side.reserve(entries.size());
  for (auto& e : entries) side.push_back({e.headword, std::move(e.translation)});
  return side;
}

// The writer names "side S, entry N"; point at the file and line instead.
std::string WithLine(const std::string& error, const std::string files[2],
                     const std::vector<int> lines[2]) {
  for (int s = 0; s < 2; ++s) {
    const std::string prefix = "side " + std::to_string(s + 1) + ", entry ";
    if (error.rfind(prefix, 0) != 0) continue;
    std::size_t end = prefix.size();
    while (end < error.size() && std::isdigit(static_cast<unsigned char>(error[end]))) ++end;
    const auto entry = ParseNumber(error.substr(prefix.size(), end - prefix.size()), 1,
                                   static_cast<std::int64_t>(lines[s].size()));
    if (!entry) break;
    return fs::path(files[s]).filename().string() + " line " +
           std::to_string(lines[s][static_cast<std::size_t>(*entry - 1)]) + error.substr(end);
  }
  return error;
}

// The sides' languages where the options leave them out, from FreeDict's database names:
// freedict-spa-eng is Spanish on side 1, a pivot's freedict-eng-bul Bulgarian on side 2.
void LanguagesFor(BuildArgs* build) {
  std::string found[2];
  if (!build->pivots.empty()) {
    const PivotSource& pivot = build->pivots.front();
    found[0] = pivot.via.empty() ? DatabaseLanguage(pivot.viaInverted.front(), 2)
                                 : DatabaseLanguage(pivot.via.front(), 1);
    found[1] = DatabaseLanguage(pivot.toBulgarian, 2);
  } else if (IsDictdDatabase(build->files[0])) {
    found[0] = DatabaseLanguage(build->files[0], 1);
    found[1] = DatabaseLanguage(build->files[0], 2);
  }
  for (int s = 0; s < 2; ++s)
    if (build->languages[s].empty()) build->languages[s] = found[s];
}

// The companion file is written last; the base works without it, so a failure only warns.
void ReportCompanion(const fs::path& base) {
  CompanionReport report;
  std::string error;
  const auto start = std::chrono::steady_clock::now();
  if (!WriteCompanion(base, &report, &error)) {
    std::cerr << "vkb build: no companion file: " << error << '\n';
    return;
  }
  std::cout << companion::CompanionPath(base).string() << ": " << report.bytes / 1024 << " KiB";
  for (int s = 0; s < 2; ++s) {
    if (!report.languages[s].empty()) {
      std::cout << ", " << report.forms[s] << " " << report.languages[s] << " word forms";
    }
  }
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::cout << " (" << std::fixed << std::setprecision(1) << took.count() << " s)\n";
}

int Refuse(const std::string& reason) {
  std::cerr << "vkb build: " << reason << '\n';
  return kExitFailed;
}

}  // namespace

int RunBuild(const Args& args) {
  BuildArgs build;
  std::string error;
  if (!ParseBuildArgs(args, &build, &error)) return UsageError(error);
  BaseSource& source = build.source;
  for (int k = 0; k < 7; ++k) {
    const std::string& name = build.names[static_cast<std::size_t>(k)];
    if (name.find('|') != std::string::npos)
      return Refuse("name " + std::to_string(k) + " contains \"|\"");
    if (!EncodeFor(NameCharset(k), name, "name " + std::to_string(k),
                   &source.names[static_cast<std::size_t>(k)], &error)) {
      return Refuse(error);
    }
  }
  std::vector<int> lines[2];
  const int charsets[2] = {source.charset1, source.charset2};
  std::vector<SideEntry>* sides[2] = {&source.side1, &source.side2};
  std::vector<ImportedEntry> imported;
  if (!build.pivots.empty()) {
    std::vector<Pivot> pivots;
    if (!ReadPivots(build.pivots, source.charset1, &pivots, &error)) return Refuse(error);
    imported = TriangulatedEntries(Triangulate(pivots, build.minPivots, build.withConfirmed,
                                               SystemCaseMap(source.charset1), SystemCaseMap,
                                               SystemCaseMap(source.charset2)));
    std::size_t kept = 0;
    for (const ImportedEntry& entry : imported) kept += entry.terms.size();
    const std::string reach = "through at least " + std::to_string(build.minPivots) +
                              " pivot languages" +
                              (build.withConfirmed ? " or confirmed by one" : "");
    if (imported.empty()) {
      return Refuse("no headword reached a Bulgarian term " + reach +
                    "; there is nothing to build (try a lower --min-pivots)");
    }
    std::cout << "side 1: " << imported.size() << " headwords with " << kept
              << " Bulgarian terms reached " << reach << "\n";
    source.side1 = AsSide(imported);
  }
  LanguagesFor(&build);
  for (int s = build.pivots.empty() ? 0 : 1; s < 2; ++s) {
    const std::string& file = build.files[s];
    const int own = charsets[s];
    const int other = charsets[1 - s];
    if (file.empty()) {
      if (!IsDictdDatabase(build.files[0]) && build.pivots.empty())
        return UsageError("side 2 can be left out only when side 1 is a dictd database");
      if (imported.empty()) {
        return Refuse(build.files[0] + " has no headword a base can hold, so there is no side 2 " +
                      "to derive from it");
      }
      *sides[1] = InvertEntries(imported, SystemCaseMap(own));
      std::cout << "side 2: " << sides[1]->size() << " headwords derived from side 1\n";
    } else if (IsDictdDatabase(file)) {
      std::vector<ImportedEntry> entries;
      if (!ImportSide(file, s + 1, own, other, build.languages[s], &entries, &error))
        return Refuse(error);
      *sides[s] = AsSide(entries);
      if (s == 0) imported = std::move(entries);
    } else if (!ReadSide(file, own, other, sides[s], &lines[s], &error)) {
      return Refuse(error);
    }
  }

  // Where no language is known the headwords keep the case-insensitive byte order.
  for (int s = 0; s < 2; ++s) {
    if (build.languages[s].empty()) continue;
    if (!HeadwordOrder(*sides[s], charsets[s], build.languages[s],
                       s == 0 ? &source.order1 : &source.order2))
      return Refuse("ICU has no collation for \"" + build.languages[s] + "\"");
  }

  ErrorClass errors;
  MakeCrypto crypto(errors);
  BaseImage image;
  if (!BuildBaseImage(source, crypto, SystemCaseMap, &image, &error)) {
    return Refuse(WithLine(error, build.files, lines));
  }
  const std::string bytes = EncodeBase(image, crypto, &error);
  if (bytes.empty()) return Refuse(error);
  if (!WriteAtomically(build.files[2], bytes, &error)) return Refuse(error);
  std::cout << build.files[2] << ": " << image.wordCount1 << " words on side 1, "
            << image.wordCount2 << " on side 2\n";
  ReportCompanion(build.files[2]);
  return kExitOk;
}

}  // namespace vokabi::vkb
