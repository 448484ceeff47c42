#!/usr/bin/env bash
# The real keyrill binary under a real X window manager (openbox or xfwm4) on a
# virtual display, driven only by keys and clicks as a user would: no window is
# ever focused by the test. Checks the frame at (50, 50) with the program's
# client inside the decorations, the dialogs' frames (Select, Add and Edit Test: a
# close box, no minimise or maximise; the Report: no close function, and the window
# manager's close leaves it open), their placement, that keys reach the main window
# again after each dialog closes, the accelerators, the Report, Add Test's bytes and
# Exit. Test side (ctest).
#   x11_desktop.sh <openbox|xfwm4> <keyrill binary> <scratch directory> [screenshot prefix]
set -uo pipefail
source "$(dirname "$0")/../lib/checks.sh"
source "$(dirname "$0")/../lib/desktops.sh"
need_window_env
wm=$1 keyrill=$(readlink -f "$2") work=$3 shots=${4:-}

rm -rf "$work" && mkdir -p "$work/home" "$work/runtime" && chmod 700 "$work/runtime"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

app_pid=
cleanup() {
  stop_pids "$app_pid"
  stop_x_desktop
}
trap cleanup EXIT

case $wm in
  openbox | xfwm4) ;;
  *) echo "FAIL: unknown window manager $wm"; exit 1 ;;
esac
start_x_desktop_retrying "$wm" "$work" || { cat "$work/wm.log"; echo "FAIL: $wm did not start"; exit 1; }
sleep 1
pass "$wm manages the display $DISPLAY"

frame() {  # frame <id> -> "x y w h" of the outer frame, and client size as "cw ch"
  local ax ay cw ch l r t b
  ax=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left X: *//p')
  ay=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left Y: *//p')
  cw=$(xwininfo -id "$1" | sed -n 's/.*Width: *//p')
  ch=$(xwininfo -id "$1" | sed -n 's/.*Height: *//p')
  read -r l r t b <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
  echo "$((ax - l)) $((ay - t)) $((cw + l + r)) $((ch + t + b)) $cw $ch"
}
motif() {  # motif <id> -> "flags functions decorations" as numbers
  xprop -id "$1" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g' | awk '{ printf "%d %d %d", $1, $2, $3 }'
}
actions() { xprop -id "$1" _NET_WM_ALLOWED_ACTIONS; }
shot() {  # shot <name>: the screen's top-left part, where the windows are
  import -window root -crop 700x580+0+0 +repage "$work/$wm-$1.png"
  [ -n "$shots" ] && cp "$work/$wm-$1.png" "$shots-$1.png"
}
focused_within() {  # focused_within <tenths of a second>: the main window has the focus
  for _ in $(seq "$1"); do
    x_desktop_alive || { echo "FAIL: the display or $wm has gone"; exit 1; }
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$main" ] && return 0
    sleep 0.1
  done
  return 1
}
await_focus() {  # await_focus <when>: the main window has the keyboard focus (15 s)
  focused_within 150 && return 0
  fail "the main window does not get the keyboard focus back $1 (it is on: $(xdotool getwindowfocus getwindowname 2>&1))"
  return 1
}
centred() {  # centred <dialog frame "x y w h"> <area "x y w h"> <what>
  read -r dx dy dw dh <<<"$1"; read -r ax ay aw ah <<<"$2"
  local ex=$(((ax + ax + aw) / 2 - dw / 2)) ey=$(((ay + ay + ah) / 2 - dh / 2))
  if [ $((dx - ex)) -ge -2 ] && [ $((dx - ex)) -le 2 ] && [ $((dy - ey)) -ge -2 ] && [ $((dy - ey)) -le 2 ]; then
    pass "$3 is centred ($dx, $dy)"
  else
    fail "$3 is at ($dx, $dy), centred would be ($ex, $ey)"
  fi
}
# A dialog with a close box and no minimise or maximise: what the program asks for
# (the Motif hints every X window manager reads) and what this manager allows.
check_dialog_frame() {  # check_dialog_frame <id> <name>
  local f fn dec allowed
  read -r f fn dec <<<"$(motif "$1")"
  allowed=$(actions "$1")
  { [ $((dec & 1)) = 0 ] && [ $((dec & 0x60)) = 0 ] && [ $((dec & 8)) != 0 ]; } \
    && pass "$2 asks for a title and no minimise or maximise button" \
    || fail "$2's decorations hint is $dec"
  grep -q CLOSE <<<"$allowed" && pass "$2 can be closed by the window manager" \
    || fail "$2 has no close: $allowed"
  grep -q MAXIMIZE <<<"$allowed" && fail "$2 can be maximised" || pass "$2 cannot be maximised"
  if grep -q MINIMIZE <<<"$allowed"; then
    if [ "$wm" = openbox ]; then
      echo "note: openbox offers minimise on $2 all the same (it reads no button hint)"
    else
      fail "$2 can be minimised under $wm"
    fi
  else
    pass "$2 cannot be minimised"
  fi
  return 0
}
# open_dialog <keys> <title> <when>: the keys, with no click, open the dialog, whose
# frame is then checked; its id in $dialog. False when it does not open.
open_dialog() {
  await_focus "$3"
  xdotool key "$1"
  dialog=$(find_window "$2" 20)
  if [ -z "$dialog" ]; then
    fail "$1 $3 opened no $2"
    return 1
  fi
  pass "$1 $3 opened $2 without a click"
  sleep 0.3
  check_dialog_frame "$dialog" "$2"
}

mkdir -p "$work/library" && cd "$work/library" || exit 1
printf '\r\n~Alpha\r\nab cd\r\n~Zulu\r\nzz' >tests.tst
"$keyrill" >"$work/program.log" 2>&1 &
app_pid=$!
main=$(find_window "$KEYRILL_WINDOW_TITLE" 20)
[ -n "$main" ] || { cat "$work/program.log"; echo "FAIL: no main window"; exit 1; }
# A freshly started window manager may still be reading its settings when the
# window appears and leave it unfocused; a user would click it once.
if ! focused_within 50; then
  echo "note: $wm did not focus the new window; clicking it once"
  xdotool mousemove --window "$main" 240 300 click 1
  await_focus "after a click" || exit 1
fi
read -r mx my mw mh cw ch <<<"$(frame "$main")"
[ "$mx $my" = "50 50" ] && pass "the outer frame is at (50, 50)" || fail "the outer frame is at ($mx, $my)"
menu=$((ch - KEYRILL_CLIENT_HEIGHT))
[ "$cw" = "$KEYRILL_CLIENT_WIDTH" ] && [ $menu -ge 12 ] && [ $menu -le 40 ] \
  && pass "the client is $cw x $ch inside the decorations: ${KEYRILL_CLIENT_WIDTH} x ${KEYRILL_CLIENT_HEIGHT} below a $menu-pixel menu bar" \
  || fail "the client is $cw x $ch"

# Select Test from the keyboard, the first entry chosen by a double-click.
if open_dialog ctrl+s 'Select Test' "at the start"; then
  centred "$(frame "$dialog" | cut -d' ' -f1-4)" "$mx $my $mw $mh" "Select Test"
  shot select
  xdotool mousemove --window "$dialog" 40 12 click --repeat 2 --delay 80 1
  gone 'Select Test' 10 && pass "a double-click chose Alpha and closed Select Test" \
    || fail "Select Test stayed open"
fi

# No click: Enter must reach the main window and begin the run.
await_focus "after Select Test"
xdotool key Return
sleep 0.5
xdotool type --delay 60 'ab c'
sleep 0.3
shot run
xdotool type --delay 60 'd'
report=$(find_window 'Report' 20)
if [ -n "$report" ]; then
  pass "Enter began the run without a click, and typing it to the end opened the Report"
  sleep 0.3
  read -r f fn dec <<<"$(motif "$report")"
  { [ $((f & 1)) != 0 ] && [ $((fn & 1)) = 0 ] && [ $((fn & 0x38)) = 0 ]; } \
    && pass "the Report asks for no close, minimise or maximise function" \
    || fail "the Report's functions hint is $fn (flags $f)"
  read -r rx ry rw rh _ <<<"$(frame "$report")"
  centred "$rx $ry $rw $rh" "0 0 1024 768" "the Report"
  shot report
  wmctrl -i -c "$report"
  sleep 1
  xdotool search --onlyvisible --name '^Report$' >/dev/null \
    && pass "the window manager's close leaves the Report open" || fail "the window manager closed the Report"
  xdotool key Escape
  sleep 0.5
  xdotool search --onlyvisible --name '^Report$' >/dev/null \
    && pass "Escape leaves the Report open" || fail "Escape closed the Report"
  xdotool mousemove --window "$report" 205 196 click 1
  gone 'Report' 10 && pass "OK closed the Report" || fail "OK did not close the Report"
else
  fail "no Report: Enter or the typing did not reach the main window"
fi

# Again no click after a dialog: the accelerators reach the main window.
if open_dialog ctrl+a 'Add Test' "after the Report"; then
  xdotool type --delay 40 'Added'
  xdotool key Tab
  xdotool type --delay 40 'one'
  xdotool key ctrl+Return
  xdotool type --delay 40 'two'
  xdotool key Return
  gone 'Add Test' 10 && pass "Enter saved and closed Add Test" || fail "Add Test stayed open"
  expect_bytes tests.tst $'\r\n~Alpha\r\nab cd\r\n~Zulu\r\nzz\r\n~Added\r\none\r\r\ntwo' \
    "Add Test appended the exact record"
fi

if open_dialog ctrl+e 'Edit Test' "after Add Test"; then
  shot edit
  xdotool key Escape
  gone 'Edit Test' 10 && pass "Escape closed Edit Test" || fail "Escape left Edit Test open"
fi

await_focus "after Edit Test"
xdotool key ctrl+q
expect_clean_exit "$app_pid" "Ctrl+Q after Edit Test" "keys lost after the dialog?"
app_pid=

finish
