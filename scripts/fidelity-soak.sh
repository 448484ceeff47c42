#!/usr/bin/env bash
# A longer typing-fidelity soak than the test command's: every desktop at scale 1
# and 2, several seeds, longer key lists, each pace and pointer. After the native
# build. Prints one line a run and the count of exact runs.
#   bash scripts/fidelity-soak.sh [--rounds N] [--keys N] [--desktops "openbox xfwm4 ..."]
#                                 [--harness PATH]   (another build's keyrill_fidelity)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
harness=$root/build/native/tests/fidelity/keyrill_fidelity
rounds=3 keys=800 desktops="openbox xfwm4 bare sway ibus deadkeys"
while [ $# -gt 0 ]; do
  case $1 in
    --rounds) rounds=$2; shift 2 ;;
    --keys) keys=$2; shift 2 ;;
    --desktops) desktops=$2; shift 2 ;;
    --harness) harness=$2; shift 2 ;;
    *) echo "usage: $0 [--rounds N] [--keys N] [--desktops LIST] [--harness PATH]" >&2; exit 2 ;;
  esac
done
[ -x "$harness" ] || { echo "build first: cmake --preset native && cmake --build --preset native" >&2; exit 2; }
work=$(mktemp -d /tmp/keyrill-soak.XXXXXX)
trap 'rm -rf "$work"' EXIT
exact=0 runs=0 seed=100
for round in $(seq "$rounds"); do
  for desktop in $desktops; do
    for scale in 1 2; do
      for pace in mixed person burst; do
        pointer=rest
        [ $((seed % 2)) = 0 ] && pointer=move
        seed=$((seed + 1)) runs=$((runs + 1))
        # A person's pace takes longer a key: fewer of them within the deadline.
        n=$keys
        [ $pace = person ] && n=$((keys / 2))
        line=$(QT_SCALE_FACTOR=$scale bash "$root/tests/fidelity/fidelity.sh" "$desktop" "$harness" \
          "$work/run" --seed $seed --keys $n --pace $pace --pointer $pointer --deadline 90 2>&1 \
          | grep -E '^(fidelity: exact|FAIL)' | tail -n 1)
        grep -q '^fidelity: exact' <<<"$line" && exact=$((exact + 1))
        echo "round $round $desktop scale $scale $pace pointer $pointer seed $seed: ${line:-no result}"
      done
    done
  done
done
echo "$exact of $runs runs exact"
[ "$exact" = "$runs" ]
