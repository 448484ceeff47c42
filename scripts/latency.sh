#!/usr/bin/env bash
# Key-to-pixels and start-to-screen of the Linux program, measured from outside on a
# virtual X display, side by side with gtypist in xterm typing the same text.
#   scripts/latency.sh [--keys N] [--rounds R] [--starts N] [--big-kib K] [--deep N]
#                      [--display :NN] [--keyrill PATH] [--tool PATH] [--smoke]
#                      [--baseline PATH]   (another keyrill build, measured alongside)
#                      [--exe PATH]        (keyrill.exe, measured alongside under Wine)
#                      [--floor PATH]      (x11_floor: a bare xcb program, the least any
#                                           program can take; 'none' leaves it out)
#                      [--keep-awake]      (an idle-priority busy loop per CPU meanwhile)
#                      [--trace FILE]      (per key: latency and the window's redraws
#                                           outside the typing area around it)
# Prints one RESULT line per measurement and a summary of all rounds (median, p99
# in ms). --smoke: a short run that only checks that every key and start was seen.
# --starts 0 leaves the start-up measurements out.
set -uo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/scripts/window_title.sh"
keys=300 rounds=2 starts=10 big_kib=1024 deep=20000 display= smoke=0 baseline= awake=0
trace=
keyrill=$here/build/native/src/qt/keyrill
tool=$here/build/native/bench/x11_latency
floor=$here/build/native/bench/x11_floor
exe=
while [ $# -gt 0 ]; do
  case $1 in
    --keys) keys=$2; shift 2 ;;
    --rounds) rounds=$2; shift 2 ;;
    --starts) starts=$2; shift 2 ;;
    --big-kib) big_kib=$2; shift 2 ;;
    --deep) deep=$2; shift 2 ;;
    --display) display=$2; shift 2 ;;
    --keyrill) keyrill=$2; shift 2 ;;
    --tool) tool=$2; shift 2 ;;
    --baseline) baseline=$2; shift 2 ;;
    --floor) floor=$2; shift 2 ;;
    --exe) exe=$2; shift 2 ;;
    --keep-awake) awake=1; shift ;;
    --trace) trace=$(realpath -m "$2"); shift 2 ;;
    --smoke) smoke=1 keys=12 rounds=1 starts=1 big_kib=64 deep=150; shift ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
done
[ -z "$trace" ] || : > "$trace"
# Absolute paths: the programs start in scratch directories.
keyrill=$(realpath "$keyrill") tool=$(realpath "$tool")
[ -n "$baseline" ] && baseline=$(realpath "$baseline")
if [ "$floor" = none ] || [ ! -x "$floor" ]; then floor=; fi
if [ -n "$exe" ]; then
  exe=$(realpath "$exe")
  command -v wine >/dev/null || { echo "--exe needs wine" >&2; exit 2; }
  # Its own Wine prefix, made once before the timing starts.
  export WINEPREFIX=${WINEPREFIX:-$HOME/.cache/keyrill-latency-wine} WINEDEBUG=-all
  wineboot -i >/dev/null 2>&1
fi
for f in "$keyrill" "$tool" ${baseline:+"$baseline"}; do
  [ -x "$f" ] || { echo "missing $f (build the native preset first)" >&2; exit 2; }
done

work=$(mktemp -d)
pids=()  # the programs of the case being measured
xvfb=
# gtypist outlives a killed xterm and spins on its lost terminal: end it by its file.
stop_gtypist() { pkill -f "gtypist $work/ref.typ" 2>/dev/null || true; }
spinners=()
cleanup() {
  for p in "${pids[@]}" $xvfb "${spinners[@]}"; do kill "$p" 2>/dev/null; done
  stop_gtypist
  rm -rf "$work"
}
trap cleanup EXIT

# On a virtual machine an idle CPU may only wake at the host's next timer tick (in
# steps of 3 ms on the machine this was written on), whichever program waits. Busy
# loops at the lowest priority keep the CPUs from idling; every program still gets
# the CPU at once when it wakes.
if [ "$awake" = 1 ]; then
  for _ in $(seq "$(nproc)"); do
    nice -n 19 bash -c 'while :; do :; done' &
    spinners+=($!)
  done
fi

# Our own X server unless one was named; Xvfb picks a free display number.
if [ -z "$display" ] && [ -z "${DISPLAY:-}" ]; then
  exec 3<> "$work/displayfd"
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do [ -s "$work/displayfd" ] && break; sleep 0.1; done
  display=":$(head -n1 "$work/displayfd")"
fi
export DISPLAY=${display:-$DISPLAY}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work}
chmod 700 "$XDG_RUNTIME_DIR" 2>/dev/null

# Prose-like text in lines of at most 70 characters (a fixed seed: every run types
# the same). $1: bytes wanted; $2: line end.
make_text() {
  awk -v bytes="$1" -v eol="$2" 'BEGIN {
    n = split("the quick harbour lamp keeper steps evening storm boats counting " \
              "flashes window market bread oranges river bridge porto garden frost late", w, " ")
    seed = 12345; size = 0; line = ""
    while (size < bytes) {
      seed = (seed * 1103515245 + 12345) % 2147483648
      word = w[int(seed / 65536) % n + 1]
      if (line != "" && length(line) + 1 + length(word) > 70) {
        printf "%s%s", line, eol; size += length(line) + length(eol); line = word
      } else line = (line == "" ? word : line " " word)
    }
    printf "%s", line
  }'
}

mkdir -p "$work/short" "$work/big"
short_bytes=$(( keys * 3 > 2000 ? keys * 3 : 2000 ))
{ printf '\r\n~Short\r\n'; make_text "$short_bytes" $'\r\n'; } > "$work/short/tests.tst"
{ printf '\r\n~Big\r\n'; make_text $((big_kib * 1024)) $'\r\n'; } > "$work/big/tests.tst"
make_text "$short_bytes" $'\n' > "$work/text.txt"
# gtypist's speed test shows what fits on its screen: the first 15 lines.
{
  echo '*:START'
  echo 'B:Keyrill latency reference'
  head -n 15 "$work/text.txt" | sed '1s/^/S:/; 2,$s/^/ :/'
  echo 'X:'
} > "$work/ref.typ"

have_ref=1
command -v gtypist >/dev/null && command -v xterm >/dev/null || {
  echo "gtypist or xterm missing: no reference measured" >&2
  have_ref=0
}
xterm_cmd=(xterm -T keyrill-latency-ref +bc -geometry 80x24+620+560 -e gtypist "$work/ref.typ")
xterm_quiet() { exec "${xterm_cmd[@]}" 2>/dev/null; }

find_window() {  # find_window <exact title> -> id, or empty after 15 s
  timeout 15 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

failures=0
measure() {  # measure <label> <status of the tool>
  [ "$2" -eq 0 ] || { echo "FAILED: $1 (status $2)"; failures=$((failures + 1)); }
}

# Starts a Keyrill in <dir>, selects its test and moves its window to <x> <y> (the
# program places itself at 50, 50; others are moved aside so none covers another, on
# a screen of at least 1920 x 1080).
# Sets $win and $pid.  open_keyrill <dir> <binary> <x> <y>
open_keyrill() {
  win= pid=
  (cd "$1" && exec "$2") &
  pid=$!
  pids+=("$pid")
  # This program's window: another Keyrill may already be open.
  local main
  main=$(timeout 15 xdotool search --sync --all --onlyvisible --pid "$pid" --name "^$KEYRILL_WINDOW_TITLE\$" \
    2>/dev/null | head -n 1)
  [ -n "$main" ] || return 1
  xdotool windowmove --sync "$main" "$3" "$4" 2>/dev/null
  xdotool windowfocus --sync "$main" 2>/dev/null
  sleep 0.2
  xdotool key ctrl+s
  local dialog; dialog=$(find_window 'Select Test')
  xdotool mousemove --window "$dialog" 40 20 click --repeat 2 --delay 60 1
  sleep 0.3
  xdotool windowfocus --sync "$main" 2>/dev/null
  xdotool key Return
  sleep 0.5
  win=$main
}

# The options for typing into a Keyrill window: below the menu bar and the
# statistics bar's band (a text row, 28 pixels).  keyrill_target <window> <label> <advance>
keyrill_target() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo --window "$1" --skip-top $((HEIGHT - 446 + 28)) --advance "$3" --label "$2"
}

close_all() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; wait "$p" 2>/dev/null; done
  pids=()
  stop_gtypist
}

# One case, typed into Keyrill, the baseline and the reference by turns, a block of
# keys at a time, so that what the machine does meanwhile falls on all alike.
#   measure_case <dir> <case> <advance> <seed>
measure_case() {
  local targets=() labels=("Keyrill $2")
  if ! open_keyrill "$1" "$keyrill" 50 50; then measure "Keyrill $2" 1; close_all; return; fi
  read -ra t <<< "$(keyrill_target "$win" "Keyrill_$2" "$3")"
  targets+=("${t[@]}")
  if [ -n "$baseline" ] && open_keyrill "$1" "$baseline" 620 50; then
    read -ra t <<< "$(keyrill_target "$win" "Baseline_$2" "$3")"
    targets+=("${t[@]}")
  fi
  if [ -n "$exe" ]; then
    printf '#!/bin/sh\nexec wine "%s"\n' "$exe" > "$work/keyrill-exe"
    chmod +x "$work/keyrill-exe"
    if open_keyrill "$1" "$work/keyrill-exe" 1180 50; then
      read -ra t <<< "$(keyrill_target "$win" "keyrill.exe_under_Wine_$2" "$3")"
      targets+=("${t[@]}")
    else
      measure "keyrill.exe $2" 1
    fi
  fi
  if [ -n "$floor" ]; then
    "$floor" keyrill-latency-floor &
    pids+=($!)
    local bare; bare=$(find_window keyrill-latency-floor)
    if [ -n "$bare" ]; then
      xdotool windowmove --sync "$bare" 50 540 2>/dev/null
      targets+=(--window "$bare" --label "bare_xcb_program_($2)")
    fi
  fi
  if [ "$have_ref" = 1 ]; then
    xterm_quiet &
    pids+=($!)
    local ref; ref=$(find_window keyrill-latency-ref)
    if [ -n "$ref" ]; then
      sleep 0.5
      targets+=(--window "$ref" --newline return --label "gtypist_in_xterm_($2)")
    fi
  fi
  "$tool" keys --text "$work/text.txt" --keys "$keys" --seed "$4" --raw "$work/raw" \
    ${trace:+--trace "$trace"} "${targets[@]}"
  measure "$2" $?
  close_all
}

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
for round in $(seq "$rounds"); do
  seed=$((round * 7))
  measure_case "$work/short" "short_test" 0 "$seed"
  measure_case "$work/big" "big_test,_start" 0 "$((seed + 1))"
  measure_case "$work/big" "big_test,_deep" "$deep" "$((seed + 2))"
  [ "$starts" -gt 0 ] || continue
  (cd "$work/short" && "$tool" start --runs "$starts" --label "Keyrill start" \
    --raw "$work/raw" -- "$keyrill")
  measure "Keyrill start" $?
  if [ -n "$baseline" ]; then
    (cd "$work/short" && "$tool" start --runs "$starts" --label "Baseline start" \
      --raw "$work/raw" -- "$baseline")
    measure "Baseline start" $?
  fi
  if [ "$have_ref" = 1 ]; then
    "$tool" start --runs "$starts" --label "gtypist in xterm start" --raw "$work/raw" \
      -- "${xterm_cmd[@]}"
    measure "gtypist in xterm start" $?
    stop_gtypist
  fi
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
if [ -n "$trace" ]; then
  # One trace line for every key answered.
  answered=$(awk '$(NF - 1) == "key"' "$work/raw" | wc -l)
  [ "$(wc -l < "$trace")" -eq "$answered" ]
  measure "the trace of $answered keys in $trace" $?
fi

echo "summary of all rounds (ms):"
sort -t' ' -k1,1 "$work/raw" | awk '
  { n = split($0, f, " "); v = f[n]; what = f[n - 1]
    label = f[1]; for (i = 2; i < n - 1; ++i) label = label " " f[i]
    key = label " | " what; values[key] = values[key] " " v }
  END {
    for (key in values) {
      m = split(substr(values[key], 2), a, " ")
      for (i = 1; i <= m; ++i) for (j = i + 1; j <= m; ++j) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
      med = (m % 2) ? a[(m + 1) / 2] : (a[m / 2] + a[m / 2 + 1]) / 2
      r = int(0.99 * m + 0.999999); if (r < 1) r = 1
      gsub(/_/, " ", key)
      printf "  %-40s n=%4d median %8.3f  p99 %8.3f\n", key, m, med, a[r]
    }
  }' | sort
[ "$smoke" = 1 ] && echo "$failures failure(s)"
[ "$failures" -eq 0 ]
