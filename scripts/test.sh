#!/usr/bin/env bash
# Installs what is missing, builds every configuration and runs every check:
#   native  - unit tests, multi-process library tests, the Qt program end to end
#             (offscreen and under Xvfb)
#   sanitize - the core's tests under AddressSanitizer + UndefinedBehaviorSanitizer
#             (clang), and each fuzz target for a bounded number of inputs
#   windows - keyrill.exe cross-compiled with MinGW-w64 and driven under Wine, and the
#             core's unit and multi-process tests run as Windows programs under Wine
# The last line sums the counts of every stage: "N passed, N failed".
#   test.sh --quick  a first answer in minutes: only the dev preset (Debug, the core
#                    and its unit tests, the Linux program and its offscreen tests)
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

quick=no
case "${1:-}" in
  --quick) quick=yes ;;
  "") ;;
  *) echo "usage: $0 [--quick]" >&2; exit 2 ;;
esac
deps=test
[ $quick = yes ] && deps=run
bash scripts/install-deps.sh $deps || { echo "installing the dependencies failed"; echo "0 passed, 1 failed"; exit 1; }

jobs=${JOBS:-2}
passed=0
failed=0
skipped=0
status=0

# Runs one test preset and adds its counts to the totals.
run_ctest() {
  local preset=$1
  local log="build/$preset/ctest.log"
  ctest --preset "$preset" -j "$jobs" 2>&1 | tee "$log"
  local line total fails skips
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$line" ]; then
    echo "no test summary from $preset"
    failed=$((failed + 1)); status=1; return
  fi
  fails=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
  # A skip (the package tests without root) is neither passed nor failed.
  skips=$(grep -c -- '\*\*\*Skipped' "$log")
  passed=$((passed + total - fails - skips))
  skipped=$((skipped + skips))
  failed=$((failed + fails))
  [ "$fails" -eq 0 ] || status=1
}

# Configures and builds one preset of CMakePresets.json (warnings are errors there).
build() {
  local preset=$1
  mkdir -p build
  if ! cmake --preset "$preset" >"build/$preset.configure.log" 2>&1; then
    cat "build/$preset.configure.log"; return 1
  fi
  cmake --build --preset "$preset" -j "$jobs"
}

# Each stage: build its preset, then run its tests.
stage() {
  local preset=$1 title=$2
  echo "== $title"
  if build "$preset"; then
    run_ctest "$preset"
  else
    echo "$preset build failed"; failed=$((failed + 1)); status=1
  fi
}

if [ $quick = yes ]; then
  stage dev "dev build and its tests"
else
  stage native "native build and tests"
  stage sanitize "sanitizers and fuzzing (clang)"
  stage windows "keyrill.exe under Wine"
fi

[ $skipped -eq 0 ] || echo "$skipped skipped (why: build/<preset>/Testing/Temporary/LastTest.log)"
echo "$passed passed, $failed failed"
exit $status
