#!/usr/bin/env bash
# The real keyrill binary on Wayland (Qt's wayland platform) under sway's headless
# backend, with keys typed through the virtual-keyboard protocol by wtype and the
# screen taken by grim: the window and its client of the program's width, Select Test, Add
# Test and Edit Test floating at the sizes of their templates where sway places
# them, keys reaching the main window again after each dialog closes, Add Test's
# exact bytes, Exit. sway refuses to run as root, so as root everything here runs
# as the unprivileged user nobody. Test side (ctest).
#   sway_desktop.sh <keyrill binary> <scratch directory> [screenshot prefix]
set -uo pipefail
source "$(dirname "$0")/../lib/checks.sh"
source "$(dirname "$0")/../lib/desktops.sh"
need_window_env
keyrill=$(readlink -f "$1") work=$2 shots=${3:-}

rm -rf "$work" && mkdir -p "$work"
app_pid=
cleanup() {
  stop_pids "$app_pid"
  stop_sway
}
trap cleanup EXIT
start_sway "$work/sway.log" || { cat "$work/sway.log"; echo "FAIL: sway did not start"; exit 1; }
pass "sway runs headless on wayland-1"

# window <title> -> "type x y w h focused" of the container and its client size, or empty
window() {
  run timeout 10 swaymsg -t get_tree | python3 -c '
import json, sys
title = sys.argv[1]
def walk(n):
    if n.get("name") == title and n.get("type") in ("con", "floating_con"):
        r, w = n["rect"], n["window_rect"]
        print(n["type"], r["x"], r["y"], w["width"], w["height"], int(n.get("focused", False)), n.get("app_id"))
    for c in n.get("nodes", []) + n.get("floating_nodes", []):
        walk(c)
walk(json.load(sys.stdin))' "$1"
}
await_window() {  # await_window <title>: waits up to 20 s, prints window's line
  local line
  for _ in $(seq 200); do
    sway_alive || { echo "FAIL: sway has gone while waiting for $1" >&2; exit 1; }
    line=$(window "$1")
    [ -n "$line" ] && { echo "$line"; return 0; }
    sleep 0.1
  done
  return 1
}
await_gone() {
  for _ in $(seq 100); do
    sway_alive || { echo "FAIL: sway has gone while waiting for $1 to close"; exit 1; }
    [ -z "$(window "$1")" ] && return 0
    sleep 0.1
  done
  return 1
}
await_focus() {  # await_focus <when>: the main window has the keyboard focus (15 s)
  for _ in $(seq 150); do
    sway_alive || { echo "FAIL: sway has gone while waiting for the focus $1"; exit 1; }
    [ "$(window "$KEYRILL_WINDOW_TITLE" | cut -d' ' -f6)" = 1 ] && return 0
    sleep 0.1
  done
  fail "the main window does not get the focus back $1"
  return 1
}
shot() {  # shot <name>
  run timeout 20 grim "$runtime/shot.png" && convert "$runtime/shot.png" -crop 740x580+142+94 +repage "$work/wayland-$1.png"
  [ -n "$shots" ] && cp "$work/wayland-$1.png" "$shots-$1.png"
}
key() { run timeout 20 wtype -s 150 "$@" || fail "wtype $* did not type within 20 s"; sleep 0.2; }
# open_floating <letter> <title> <width> <height> <when>: Ctrl+<letter>, with no click,
# opens the dialog floating at its template's size; sway's line for it in $line, its
# focus in $focused. False when it does not open.
open_floating() {
  await_focus "$5"
  key -M ctrl "$1" -m ctrl
  if ! line=$(await_window "$2"); then
    fail "Ctrl+${1^^} $5 opened no $2"
    return 1
  fi
  read -r type x y w h focused _ <<<"$line"
  [ "$type $w $h" = "floating_con $3 $4" ] \
    && pass "Ctrl+${1^^} $5 opened $2 floating at its template's $3 x $4; sway placed it at ($x, $y)" \
    || fail "$2: $line"
}

# The user the session runs as may not reach the build tree (a clone under /root):
# it runs its own copy of the program.
cp "$keyrill" "$runtime/keyrill" && keyrill="$runtime/keyrill"
library="$runtime/library"
mkdir -p "$library"
printf '\r\n~Alpha\r\nab cd\r\n~Zulu\r\nzz' >"$library/tests.tst"
[ ${#as_user[@]} -gt 0 ] && chown -R 65534:65534 "$library"
cd "$library" || exit 1
"${as_user[@]}" "${session[@]}" QT_QPA_PLATFORM=wayland "$keyrill" >"$work/program.log" 2>&1 &
app_pid=$!
line=$(await_window "$KEYRILL_WINDOW_TITLE") || { cat "$work/program.log"; echo "FAIL: no main window"; exit 1; }
read -r _ x y w h _ app <<<"$line"
[ "$app" = keyrill ] && pass "the window's app id is keyrill (its desktop entry)" || fail "app id $app"
menu=$((h - KEYRILL_CLIENT_HEIGHT))
[ "$w" = "$KEYRILL_CLIENT_WIDTH" ] && [ $menu -ge 12 ] && [ $menu -le 40 ] \
  && pass "the client is $w x $h: ${KEYRILL_CLIENT_WIDTH} x ${KEYRILL_CLIENT_HEIGHT} below a $menu-pixel menu bar; sway put it at ($x, $y)" \
  || fail "the client is $w x $h"
await_focus "at the start" || exit 1
shot idle

if open_floating s 'Select Test' 200 229 "at the start"; then
  [ "$focused" = 1 ] && pass "Select Test has the focus" || fail "Select Test is not focused"
  sleep 0.3
  shot select
  key -k Escape
  await_gone 'Select Test' && pass "Escape closed Select Test" || fail "Select Test stayed open"
fi

if open_floating a 'Add Test' 380 319 "after Select Test"; then
  key 'Added'
  key -k Tab
  key 'one'
  key -M ctrl -k Return -m ctrl
  key 'two'
  sleep 0.3
  shot add
  key -k Return
  await_gone 'Add Test' && pass "Enter saved and closed Add Test" || fail "Add Test stayed open"
  expect_bytes "$library/tests.tst" $'\r\n~Alpha\r\nab cd\r\n~Zulu\r\nzz\r\n~Added\r\none\r\r\ntwo' \
    "Add Test appended the exact record"
fi

if open_floating e 'Edit Test' 534 322 "after Add Test"; then
  key -k Escape
  await_gone 'Edit Test' && pass "Escape closed Edit Test" || fail "Edit Test stayed open"
fi

await_focus "after Edit Test"
key -M ctrl q -m ctrl
expect_clean_exit "$app_pid" "Ctrl+Q"
app_pid=

finish
