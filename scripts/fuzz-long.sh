#!/usr/bin/env bash
# Runs each libFuzzer target (the library reader, the loader, the append-then-read
# round trip) for ten minutes under AddressSanitizer and UndefinedBehaviorSanitizer,
# all at once, from the committed seed corpus with the dictionary. FUZZ_SECONDS changes the time per target.
# A crash input is copied into fuzz/corpus/<target>/ as a regression seed (commit
# it once the fault is mended) and the script fails. FUZZ_TREE names a build tree
# that already holds the fuzzers (the test command's smoke run uses the sanitize
# tree); without it the script configures and builds its own.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${FUZZ_SECONDS:-600}
tree=${FUZZ_TREE:-build/fuzz-long}

if [ -z "${FUZZ_TREE:-}" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKEYRILL_FUZZ=ON -DKEYRILL_SANITIZE=ON -DKEYRILL_QT=OFF -DKEYRILL_TESTS=OFF >/dev/null || exit 1
  cmake --build "$tree" -j 2 --target keyrill_fuzz_reader keyrill_fuzz_loader \
    keyrill_fuzz_round_trip || exit 1
fi
rm -rf "$tree/long-artifacts"

targets="reader loader round_trip"
pids=()
for target in $targets; do
  work="$tree/long-corpus/$target"
  artifacts="$tree/long-artifacts"
  mkdir -p "$work" "$artifacts"
  "$tree/fuzz/keyrill_fuzz_$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -dict=fuzz/library.dict -artifact_prefix="$artifacts/$target-" \
    "$work" "fuzz/corpus/$target" >"$tree/$target.log" 2>&1 &
  pids+=($!)
done

status=0
for pid in "${pids[@]}"; do
  wait "$pid" || status=1
done

for target in $targets; do
  echo "== $target: $(grep -E '^stat::number_of_executed_units' "$tree/$target.log" | awk '{print $2}') inputs"
  for crash in "$tree"/long-artifacts/"$target"-*; do
    [ -e "$crash" ] || continue
    seed="fuzz/corpus/$target/regression-$(sha1sum "$crash" | cut -c1-12)"
    cp "$crash" "$seed"
    echo "finding: $crash, kept as $seed"
    status=1
  done
done
[ $status -eq 0 ] && echo "no finding" || echo "findings: see $tree/*.log"
exit $status
