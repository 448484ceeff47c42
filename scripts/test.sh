#!/usr/bin/env bash
# Installs what is missing, builds every configuration and runs every check:
#   native  - unit tests, multi-process library tests, the Qt program end to end
#             (offscreen and under Xvfb)
#   sanitize - the core's tests under AddressSanitizer + UndefinedBehaviorSanitizer
#             (clang), and each fuzz target for a bounded number of inputs
#   windows - keyrill.exe cross-compiled with MinGW-w64 and driven under Wine
# The last line sums the counts of every stage: "N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/install-deps.sh || { echo "installing the dependencies failed"; echo "0 passed, 1 failed"; exit 1; }

jobs=${JOBS:-2}
passed=0
failed=0
status=0

# Runs ctest in a build tree and adds its counts to the totals.
run_ctest() {
  local tree=$1; shift
  local log="$tree/ctest.log"
  "$@" ctest --test-dir "$tree" --output-on-failure -j "$jobs" 2>&1 | tee "$log"
  local line total fails
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$line" ]; then
    echo "no test summary from $tree"
    failed=$((failed + 1)); status=1; return
  fi
  fails=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
  passed=$((passed + total - fails))
  failed=$((failed + fails))
  [ "$fails" -eq 0 ] || status=1
}

build() {
  local tree=$1; shift
  if ! cmake -S "$root" -B "$tree" -G Ninja "$@" >"$tree.configure.log" 2>&1; then
    cat "$tree.configure.log"; return 1
  fi
  cmake --build "$tree" -j "$jobs"
}

mkdir -p build

echo "== native build and tests"
if build build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKEYRILL_BENCH=ON; then
  run_ctest build/native
else
  echo "native build failed"; failed=$((failed + 1)); status=1
fi

echo "== sanitizers and fuzzing (clang)"
if CC=clang CXX=clang++ build build/sanitize -DCMAKE_BUILD_TYPE=Debug \
    -DKEYRILL_SANITIZE=ON -DKEYRILL_FUZZ=ON -DKEYRILL_QT=OFF; then
  run_ctest build/sanitize env ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
else
  echo "sanitizer build failed"; failed=$((failed + 1)); status=1
fi

echo "== keyrill.exe under Wine"
if build build/windows -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake"; then
  run_ctest build/windows
else
  echo "windows build failed"; failed=$((failed + 1)); status=1
fi

echo "$passed passed, $failed failed"
exit $status
