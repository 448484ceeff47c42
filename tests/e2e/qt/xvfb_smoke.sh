#!/usr/bin/env bash
# Smoke test of the real keyrill binary on a virtual X display (run under
# `xvfb-run -a`), driven by real X events from xdotool: the window's place and size,
# Select Test by double-click, a run typed to its Report, Add Test's exact bytes, the
# idle screen's pixels, Exit, and the fatal error's box and exit status 1.
# Usage: xvfb_smoke.sh <keyrill binary> <scratch directory>
source "$(dirname "$0")/xvfb_program.sh" "$@"

geometry() {  # geometry <id> -> "x y w h"
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y $WIDTH $HEIGHT"
}
focus() { xdotool windowfocus --sync "$1" 2>/dev/null; sleep 0.2; }

start() {  # start <library bytes as printf format>
  rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
  printf "$1" > tests.tst
  "$keyrill" & pid=$!
  main=$(find_window "$KEYRILL_WINDOW_TITLE")
  [ -n "$main" ] || { fail "the main window did not appear"; exit 1; }
  sleep 0.3
}

choose_first_test() {  # Ctrl+S, then a double-click on the list's first entry
  focus "$main"
  xdotool key ctrl+s
  local dialog; dialog=$(find_window 'Select Test')
  [ -n "$dialog" ] || { fail "Select Test did not open"; return 1; }
  read -r _ _ w h <<<"$(geometry "$dialog")"
  [ "$w $h" = "200 229" ] && pass "Select Test is 200 x 229" || fail "Select Test is $w x $h"
  xdotool mousemove --window "$dialog" 40 20 click --repeat 2 --delay 60 1
  gone 'Select Test' && pass "a double-click chose and closed Select Test" \
    || fail "Select Test stayed open after the double-click"
}

# --- a run, the Report, Add Test, Exit ---------------------------------------
start '\r\n~Alpha\r\nab cd\r\n~Zulu\r\nzz'
read -r x y w h <<<"$(geometry "$main")"
[ "$x $y" = "50 50" ] && pass "the window is at (50, 50)" || fail "the window is at ($x, $y)"
[ "$w" = "$KEYRILL_CLIENT_WIDTH" ] && [ "$h" -ge "$KEYRILL_CLIENT_HEIGHT" ] \
  && pass "the window is $w x $h (${KEYRILL_CLIENT_WIDTH} x ${KEYRILL_CLIENT_HEIGHT} below the menu)" \
  || fail "the window is $w x $h"

import -window root "$work/idle.png"
mean=$(convert "$work/idle.png" -crop 448x28+62+$((y + h - KEYRILL_CLIENT_HEIGHT + 12)) -format '%[fx:mean]' info:)
awk -v m="$mean" 'BEGIN { exit !(m < 0.95) }' && pass "the idle prompt is drawn" \
  || fail "the prompt row is blank (mean $mean)"

choose_first_test
focus "$main"
xdotool key Return
sleep 0.3
xdotool type --delay 40 'ab cd'
report=$(find_window 'Report')
if [ -n "$report" ]; then
  pass "typing the test to its end opened the Report"
  read -r rx ry rw rh <<<"$(geometry "$report")"
  [ "$rw $rh" = "254 219" ] && pass "the Report is 254 x 219" || fail "the Report is $rw x $rh"
  [ "$rx $ry" = "385 275" ] && pass "the Report is centred on the screen" \
    || fail "the Report is at ($rx, $ry)"
  xdotool key Escape
  sleep 0.3
  xdotool search --onlyvisible --name '^Report$' >/dev/null && pass "Escape leaves the Report open" \
    || fail "Escape closed the Report"
  xdotool mousemove --window "$report" 205 196 click 1   # the OK button
  gone 'Report' && pass "OK closed the Report" || fail "OK did not close the Report"
else
  fail "no Report after typing the whole test"
fi

focus "$main"
xdotool key ctrl+a
add=$(find_window 'Add Test')
if [ -n "$add" ]; then
  xdotool type --delay 30 'Added'
  xdotool key Tab
  xdotool type --delay 30 'one'
  xdotool key ctrl+Return
  xdotool type --delay 30 'two'
  xdotool key Return
  gone 'Add Test' && pass "Enter saved and closed Add Test" || fail "Add Test stayed open"
  expected=$(printf '\r\n~Alpha\r\nab cd\r\n~Zulu\r\nzz\r\n~Added\r\none\r\r\ntwo' | od -An -c)
  actual=$(od -An -c tests.tst)
  [ "$expected" = "$actual" ] && pass "Add Test appended the exact record" \
    || fail "tests.tst holds: $actual"
else
  fail "Add Test did not open"
fi

focus "$main"
xdotool key ctrl+q
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
  fail "Ctrl+Q did not end the program"
else
  wait "$pid"; status=$?
  [ "$status" = 0 ] && pass "Ctrl+Q ended the program with 0" || fail "exit status $status"
fi
pid=

# --- the fatal error ------------------------------------------------------------
start "\r\n~Long\r\n$(printf 'w%.0s' $(seq 60)) words"
choose_first_test
focus "$main"
xdotool key Return
box=$(find_window 'Error')
if [ -n "$box" ]; then
  pass "a word too long for the window shows the Error box"
  focus "$box"
  xdotool key Return
  exit_status_within "$pid" 5
  [ "$exit_status" = 1 ] && pass "the program ended with status 1" || fail "exit status $exit_status"
else
  fail "no Error box for a word too long for the window"
fi
pid=

finish
