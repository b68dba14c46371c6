#!/usr/bin/env bash
# scripts/check-globals on a small tree of its own: clean, it passes; each kind of shared mutable
# variable planted in it makes it fail and name the file; what only looks like one passes.
# Usage: check_globals_test.sh CHECK_GLOBALS
set -uo pipefail
check="$1"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failures=0

mkdir -p "$tree"/{engine,app,ui/main,tests/app}
cat >"$tree/app/settings.cpp" <<'EOF2'
#include "app/settings.h"

namespace vokabi {

namespace {

constexpr int kDefaultLeft = 2000;
const char* const kNames[] = {"AlwaysOnTop", "SavePosition"};
inline constexpr std::string_view kKey = "Software";
using Field = std::variant<int, bool>;

}  // namespace

// A function, not a variable: int Shown = 0;
int Checked(const StoredSetting& setting, int number) {
  static const std::map<int, int> limits = {{1, 2}};
  int left = number;  // a local
  return left + kDefaultLeft;
}

}  // namespace vokabi
EOF2
printf 'struct Record {\n  int WorkDic = 0;\n  static constexpr int kRows = 9;\n  static Record Defaults();\n};\n' \
  >"$tree/app/settings.h"
printf 'int Counter = 0;\n' >"$tree/tests/app/settings_test.cpp"  # tests are not checked
printf '#include "engine/base.h"\n' >"$tree/engine/base.cpp"
printf '#include "ui/main/startup.h"\n' >"$tree/ui/main/startup.cpp"

# Usage: expect PASS|FAIL WHAT [TEXT]: runs the check on the tree; TEXT must be in its report.
expect() {
  local report
  if report=$("$check" "$tree" 2>&1); then got=PASS; else got=FAIL; fi
  if [ "$got" != "$1" ] || { [ -n "${3:-}" ] && [[ "$report" != *"$3"* ]]; }; then
    echo "FAILED: $2: expected $1${3:+ naming \"$3\"}, got $got: $report"
    failures=$((failures + 1))
  fi
}

expect PASS "a tree without shared mutable state"

# Usage: plant FILE LINE WHAT TEXT: adds LINE to FILE, expects the check to fail naming TEXT,
# and takes the line out again.
plant() {
  cp "$tree/$1" "$tree/$1.clean"
  printf '%s\n' "$2" >>"$tree/$1"
  expect FAIL "$3" "$4"
  mv "$tree/$1.clean" "$tree/$1"
}

plant app/settings.h 'extern SettingsRecord AppSettings;' "an extern declaration" \
  "app/settings.h:6: an extern variable"
plant app/settings.cpp 'SettingsRecord AppSettings;' "a definition at namespace scope" \
  "app/settings.cpp:22"
plant app/settings.cpp 'std::int32_t LanguageOffset = 0;' "a number with its start value" \
  "LanguageOffset"
plant engine/base.cpp 'ErrorClass AppError{};' "a definition with braces" \
  "engine/base.cpp:2"
plant ui/main/startup.cpp 'MessageBoxFunction ShowMessageBox = &ShowMessageBoxAndPrint;' \
  "a function pointer to swap" "ShowMessageBox"
plant app/settings.cpp 'inline std::vector<std::string> recent;' "an inline variable" "recent"
plant app/settings.cpp '  static DocumentOpener opener = &OpenUrl;' "a static in a function" \
  "a static variable that is not const"
plant app/settings.h '  static int instances;' "a static member" "app/settings.h:6"
plant app/settings.cpp 'int pipeEnds[2] = {-1, -1};' "an array" "pipeEnds"

# What the process has only one of by nature, saying so, passes.
cp "$tree/app/settings.cpp" "$tree/app/settings.cpp.clean"
printf '%s\n' '  static std::mutex guard;  // process-wide: guards the memo' >>"$tree/app/settings.cpp"
expect PASS "a marked process-wide static"
mv "$tree/app/settings.cpp.clean" "$tree/app/settings.cpp"

exit $((failures > 0))
