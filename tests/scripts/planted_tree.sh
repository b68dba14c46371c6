# What the tests of the tree checks share: a small tree of their own, the check run on it, and
# lines planted in it one at a time. Sourced after CHECK is given as the first argument.
check="$1"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failures=0

# Usage: expect PASS|FAIL WHAT [TEXT]: runs the check on the tree; TEXT must be in its report.
expect() {
  local report
  if report=$("$check" "$tree" 2>&1); then got=PASS; else got=FAIL; fi
  if [ "$got" != "$1" ] || { [ -n "${3:-}" ] && [[ "$report" != *"$3"* ]]; }; then
    echo "FAILED: $2: expected $1${3:+ naming \"$3\"}, got $got: $report"
    failures=$((failures + 1))
  fi
}

# Usage: plant FILE LINE WHAT TEXT: adds LINE to FILE, expects the check to fail naming TEXT,
# and takes the line out again.
plant() {
  cp "$tree/$1" "$tree/$1.kept"
  printf '%s\n' "$2" >>"$tree/$1"
  expect FAIL "$3" "$4"
  mv "$tree/$1.kept" "$tree/$1"
}
