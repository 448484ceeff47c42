#!/usr/bin/env bash
# The .deb as a user gets it: `apt-get install ./keyrill_<version>_amd64.deb`, then
# the menu entry's own command run with a fresh home directory on a virtual X
# display: the user's library is seeded with the English library (LANG=C.UTF-8), its
# first test is selected and a line of it typed, Exit ends the program with 0; a
# second start keeps the user's library; a first start under ru_RU.UTF-8 gets the
# Russian library and lists its headings; `dpkg -r keyrill` removes every file the package
# installed and leaves the user's library. Whatever happens, the package (and any
# package apt had to add for it) is removed again before this script ends; the
# marker file lets the cleanup test do it if this script is killed.
# Test side (ctest; needs root, and is skipped without it: status 77).
#   deb_install.sh <package.deb> <marker file> <scratch directory>
set -uo pipefail
: "${KEYRILL_WINDOW_TITLE:?the main window title, which the test command sets from the build}"
deb=$(readlink -f "$1") marker=$2 work=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../lib/checks.sh"
source "$here/../lib/desktops.sh"

[ "$(id -u)" -eq 0 ] || { echo "SKIP: installing a package needs root (run the tests as root)"; exit 77; }
[ -f "$deb" ] || { echo "FAIL: no package at $deb"; exit 1; }
if dpkg-query -W -f='${Status}' keyrill 2>/dev/null | grep -q 'installed'; then
  echo "FAIL: keyrill is already installed on this machine; this test installs and removes"
  echo "its own build and will not touch yours (dpkg -r keyrill, then run it again)"
  rm -f "$marker"  # nor will the cleanup test
  exit 1
fi

app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  stop_xvfb
  bash "$here/deb_cleanup.sh" "$marker"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# What apt would add besides keyrill is noted first, so that it is removed too.
rm -rf "$work" && mkdir -p "$work"
plan=$(apt-get install -s --no-install-recommends "$deb" 2>&1)
new=$(sed -n 's/^Inst \([^ ]*\) .*/\1/p' <<<"$plan")
extra=$(grep -vx keyrill <<<"$new" | tr '\n' ' ')
[ -n "$extra" ] && echo "note: apt adds these missing dependencies, and they go again: $extra"
printf '%s\n' $extra keyrill >"$marker"

export DEBIAN_FRONTEND=noninteractive
if apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=600 "$deb" >"$work/apt.log" 2>&1; then
  pass "apt-get install ./$(basename "$deb")"
else
  cat "$work/apt.log"; fail "apt-get install failed"; exit 1
fi
mapfile -t files < <(dpkg -L keyrill | while read -r f; do [ -f "$f" ] || [ -L "$f" ] && echo "$f"; done)
echo "the package installed ${#files[@]} files"

# The menu entry's command, its field codes dropped.
entry=/usr/share/applications/keyrill.desktop
exec_line=$(sed -n 's/^Exec=//p' "$entry" | head -n 1 | sed -E 's/ ?%[fFuUick]//g')
[ -n "$exec_line" ] && pass "the menu entry runs: $exec_line" || { fail "no Exec in $entry"; exit 1; }
read -r -a command <<<"$exec_line"

start_xvfb || { fail "no virtual display"; exit 1; }
display=$DISPLAY

home="$work/home"
mkdir -p "$home" "$work/runtime" && chmod 700 "$work/runtime"
run_entry() {  # starts the menu entry's command as a desktop would, in a clean environment
  (cd / && exec env -i HOME="$home" USER=keyrill-user PATH=/usr/local/bin:/usr/bin:/bin \
    DISPLAY="$display" XDG_RUNTIME_DIR="$work/runtime" LANG="${entry_lang:-C.UTF-8}" \
    QT_QPA_PLATFORM=xcb \
    "${command[@]}") >>"$work/program.log" 2>&1 &
  app_pid=$!
}
x() { DISPLAY=$display "$@"; }
wait_exit() {  # sets status: the program's exit status, or 124 after 60 s
  for _ in $(seq 600); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$app_pid" 2>/dev/null; then status=124; return; fi
  wait "$app_pid"
  status=$?
}

library="$home/.local/share/keyrill/tests.tst"
run_entry
main=$(find_window "$KEYRILL_WINDOW_TITLE" 30)
if [ -z "$main" ]; then
  cat "$work/program.log"; fail "the installed program showed no window"; exit 1
fi
pass "the installed program opened its window"
cmp -s "$library" /usr/share/keyrill/languages/en.tst \
  && pass "the user's library was seeded with the English library" \
  || fail "no copy of the English library at $library"

# Select the first test of the sorted list (A Letter Home), begin it and type its
# first line as the window wraps it.
x xdotool windowfocus --sync "$main"; sleep 0.3
x xdotool key ctrl+s
dialog=$(find_window 'Select Test' 30)
if [ -n "$dialog" ]; then
  x xdotool mousemove --window "$dialog" 40 12 click --repeat 2 --delay 80 1
  for _ in $(seq 100); do x xdotool search --onlyvisible --name '^Select Test$' >/dev/null || break; sleep 0.1; done
  x xdotool search --onlyvisible --name '^Select Test$' >/dev/null && fail "Select Test stayed open" \
    || pass "a double-click chose the first test"
else
  fail "Ctrl+S opened no Select Test"
fi
x xdotool windowfocus --sync "$main"; sleep 0.3
x import -window "$main" "$work/chosen.png"
x xdotool key Return; sleep 0.5
x import -window "$main" "$work/begun.png"
x xdotool type --delay 50 'Dear Ana, the train reached '
sleep 0.5
x import -window "$main" "$work/typed.png"
# The typed row is the one under the first target line; typing darkens it.
difference=$(compare -metric AE "$work/begun.png" "$work/typed.png" null: 2>&1)
[ "${difference%% *}" -gt 500 ] 2>/dev/null && pass "the typed characters were drawn ($difference pixels)" \
  || fail "typing changed $difference pixels"
x xdotool key ctrl+q
wait_exit
[ "$status" = 0 ] && pass "Exit ended the program with 0" || fail "the program ended with $status"
app_pid=

# A second start finds the user's library and leaves it as it is.
printf '\r\n~Mine\r\nmy own words' >>"$library"
cp "$library" "$work/mine.tst"
run_entry
main=$(find_window "$KEYRILL_WINDOW_TITLE" 30)
[ -n "$main" ] || fail "the second start showed no window"
x xdotool windowfocus --sync "$main" 2>/dev/null; sleep 0.3
x xdotool key ctrl+q
wait_exit
[ "$status" = 0 ] || fail "the second start ended with $status"
app_pid=
cmp -s "$library" "$work/mine.tst" && pass "a second start keeps the user's library" \
  || fail "the second start changed the user's library"

# A first start in Russian: the Russian library, its headings in Select Test.
home="$work/home-ru"
mkdir -p "$home"
entry_lang=ru_RU.UTF-8 run_entry
main=$(find_window "$KEYRILL_WINDOW_TITLE" 30)
[ -n "$main" ] || fail "the Russian first start showed no window"
cmp -s "$home/.local/share/keyrill/tests.tst" /usr/share/keyrill/languages/ru.tst \
  && pass "a first start under ru_RU.UTF-8 was seeded with the Russian library" \
  || fail "a first start under ru_RU.UTF-8 got no copy of ru.tst"
x xdotool windowfocus --sync "$main" 2>/dev/null; sleep 0.3
x xdotool key ctrl+s
dialog=$(find_window 'Select Test' 30)
if [ -n "$dialog" ]; then
  x import -window root "$work/select-ru.png"
  pass "Select Test opened on the Russian library (picture: $work/select-ru.png)"
  x xdotool key Escape; sleep 0.3
else
  fail "Ctrl+S opened no Select Test in Russian"
fi
x xdotool windowfocus --sync "$main" 2>/dev/null; sleep 0.3
x xdotool key ctrl+q
wait_exit
[ "$status" = 0 ] || fail "the Russian start ended with $status"
app_pid=

# Removal: every file goes, the user's library stays.
dpkg -r keyrill >"$work/dpkg-r.log" 2>&1 || { cat "$work/dpkg-r.log"; fail "dpkg -r keyrill failed"; }
left=()
for f in "${files[@]}"; do [ -e "$f" ] || [ -L "$f" ] && left+=("$f"); done
[ ${#left[@]} -eq 0 ] && pass "dpkg -r keyrill removed all ${#files[@]} files" \
  || fail "left after dpkg -r: ${left[*]}"
cmp -s "$library" "$work/mine.tst" && pass "the user's library outlives the package" \
  || fail "removing the package touched the user's library"

finish
