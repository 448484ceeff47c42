#!/usr/bin/env bash
# The real keyrill binary under a file size limit that ends exactly at the end of
# tests.tst (run under `xvfb-run -a`, driven by xdotool): a save through Add Test
# must be told as failed, leave the file as it was and keep the program running.
# Without its own handling the kernel's SIGXFSZ would end the program instead.
# Usage: xvfb_size_limit.sh <keyrill binary> <scratch directory>
source "$(dirname "$0")/xvfb_program.sh" "$@"

count_windows() {  # count_windows <exact title>
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l
}
alive() { kill -0 "$pid" 2>/dev/null; }

rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
# A library larger than anything else the program writes at start (caches), so the
# limit only ever meets the save.
{ printf '\r\n~Long\r\n'; head -c 300000 /dev/zero | tr '\0' 'a'; } > tests.tst
cp tests.tst before.tst
size=$(stat -c %s tests.tst)

prlimit --fsize="$size:$size" "$keyrill" & pid=$!
main=$(find_window "$KEYRILL_WINDOW_TITLE")
[ -n "$main" ] || { echo "FAIL: the main window did not appear"; exit 1; }
sleep 0.3
xdotool windowfocus --sync "$main" 2>/dev/null
sleep 0.2
xdotool key ctrl+a
add=$(find_window 'Add Test')
if [ -z "$add" ]; then
  fail "Add Test did not open"
else
  xdotool type --delay 30 'Big'
  xdotool key Tab
  xdotool type --delay 30 'kept text'
  xdotool key Return
  for _ in $(seq 50); do
    [ "$(count_windows 'Add Test')" -ge 2 ] && break
    alive || break
    sleep 0.1
  done
  if alive; then
    pass "the program survived a save past the size limit"
  else
    wait "$pid"; status=$?; pid=
    fail "the program ended with status $status at the save"
  fi
  [ "$(count_windows 'Add Test')" -ge 2 ] && pass "the failed save was told in a message box" \
    || fail "no message box told the failed save"
  cmp -s tests.tst before.tst && pass "tests.tst is byte for byte as before" \
    || fail "tests.tst changed ($(stat -c %s tests.tst) bytes, was $size)"
fi

if [ -n "$pid" ]; then
  # The box, then Add Test (still holding the text), then the program.
  xdotool key Return; sleep 0.3
  [ "$(count_windows 'Add Test')" = 1 ] && pass "Add Test stayed open with the text" \
    || fail "Add Test is not open once the box is closed"
  xdotool windowfocus --sync "$add" 2>/dev/null; sleep 0.2
  xdotool key Escape
  for _ in $(seq 50); do [ "$(count_windows 'Add Test')" = 0 ] && break; sleep 0.1; done
  [ "$(count_windows 'Add Test')" = 0 ] || fail "Escape did not close Add Test"
  xdotool windowfocus --sync "$main" 2>/dev/null; sleep 0.2
  xdotool key ctrl+q
  for _ in $(seq 50); do alive || break; sleep 0.1; done
  if alive; then
    fail "Ctrl+Q did not end the program"
  else
    wait "$pid"; status=$?
    [ "$status" = 0 ] && pass "Ctrl+Q ended the program with 0" || fail "exit status $status"
  fi
  pid=
fi

finish
