#!/usr/bin/env bash
# scripts/check-layers on a small tree of its own: clean, it passes; each include or link planted
# against the line, however it is written, makes it fail and name the file.
# Usage: check_layers_test.sh CHECK_LAYERS
set -uo pipefail
check="$1"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failures=0

mkdir -p "$tree"/{engine,app,ui/main,tests/engine,tests/app}
cat >"$tree/CMakeLists.txt" <<'EOF'
add_library(vokabi_warnings INTERFACE)
EOF
cat >"$tree/engine/CMakeLists.txt" <<'EOF'
add_library(vokabi_engine dictionary.cpp)
target_link_libraries(vokabi_engine PRIVATE vokabi_warnings)
EOF
cat >"$tree/app/CMakeLists.txt" <<'EOF'
add_library(vokabi_app settings.cpp)
target_link_libraries(vokabi_app
  PUBLIC vokabi_engine  # the reader of bases
  PRIVATE vokabi_warnings)
EOF
cat >"$tree/ui/main/CMakeLists.txt" <<'EOF'
add_executable(vokabi form1.cpp)
target_link_libraries(vokabi PRIVATE vokabi_app)
EOF
cat >"$tree/tests/engine/CMakeLists.txt" <<'EOF'
add_executable(engine_tests dictionary_test.cpp)
target_link_libraries(engine_tests PRIVATE vokabi_engine GTest::gtest_main)
EOF
cat >"$tree/tests/app/CMakeLists.txt" <<'EOF'
add_executable(app_tests settings_test.cpp)
target_link_libraries(app_tests PRIVATE vokabi_app vokabi_engine)
EOF
echo '#pragma once' >"$tree/engine/dictionary.h"
printf '#include "engine/dictionary.h"\n#include <string>\n' >"$tree/engine/dictionary.cpp"
printf '#pragma once\n#include "engine/dictionary.h"\n' >"$tree/app/settings.h"
printf '#include <app/settings.h>\n' >"$tree/app/settings.cpp"
printf '#include "app/settings.h"\n#include <QWidget>\n' >"$tree/ui/main/form1.cpp"
printf '#include <gtest/gtest.h>\n#include "engine/dictionary.h"\n' \
  >"$tree/tests/engine/dictionary_test.cpp"
printf '#include "app/settings.h"\n#include "settings_test.moc"\n' \
  >"$tree/tests/app/settings_test.cpp"

# Usage: expect PASS|FAIL WHAT [TEXT]: runs the check on the tree; TEXT must be in its report.
expect() {
  local report
  if report=$("$check" "$tree" 2>&1); then got=PASS; else got=FAIL; fi
  if [ "$got" != "$1" ] || { [ -n "${3:-}" ] && [[ "$report" != *"$3"* ]]; }; then
    echo "FAILED: $2: expected $1${3:+ naming \"$3\"}, got $got: $report"
    failures=$((failures + 1))
  fi
}

expect PASS "a tree along the line"

# Usage: plant FILE LINE WHAT TEXT: adds LINE to FILE, expects the check to fail naming TEXT,
# and takes the line out again.
plant() {
  cp "$tree/$1" "$tree/$1.kept"
  echo "$2" >>"$tree/$1"
  expect FAIL "$3" "$4"
  mv "$tree/$1.kept" "$tree/$1"
}
plant engine/dictionary.cpp '#include "app/settings.h"' "a quoted include" \
  "engine/dictionary.cpp:3 includes app/settings.h"
plant engine/dictionary.cpp '#include <app/settings.h>' "an include in angle brackets" \
  "engine/dictionary.cpp:3"
plant engine/dictionary.h '#  include "app/settings.h"' "an indented include" \
  "engine/dictionary.h:2"
plant engine/dictionary.h '  #include "app/settings.h"' "an include after spaces" \
  "engine/dictionary.h:2"
plant tests/app/settings_test.cpp '#include "ui/main/form1.h"' "a test above its layer" \
  "tests/app/settings_test.cpp:3"
plant tests/engine/dictionary_test.cpp '#include "tests/app/fixture.h"' \
  "a test on the tests of a layer above" "tests/app/fixture.h"
plant engine/CMakeLists.txt 'target_link_libraries(vokabi_engine PUBLIC vokabi_app)' \
  "a link on one line" "engine/CMakeLists.txt links vokabi_app"
plant engine/CMakeLists.txt "$(printf 'target_link_libraries(vokabi_engine\n  PRIVATE\n  vokabi_app)')" \
  "a link over several lines" "links vokabi_app"
plant tests/app/CMakeLists.txt 'target_link_libraries(app_tests PRIVATE vokabi)' \
  "a test linking a layer above" "tests/app/CMakeLists.txt links vokabi"
plant app/CMakeLists.txt 'target_link_libraries(vokabi_app PRIVATE $<TARGET_OBJECTS:vokabi>)' \
  "a link inside a generator expression" "links vokabi"
expect PASS "the tree again"
# What only looks like a crossing.
echo '# target_link_libraries(vokabi_engine PUBLIC vokabi_app)' >>"$tree/engine/CMakeLists.txt"
expect PASS "a link in a comment"

if ((failures)); then
  echo "check-layers: $failures of its cases failed"
  exit 1
fi
echo "check-layers: every planted crossing found, nothing else"
