#!/usr/bin/env bash
# Takes the documentation's pictures of keyrill.exe running under Wine on a
# virtual display: docs/win32-idle.png, docs/win32-run.png, docs/win32-report.png.
# The driver's "poses" case (scripts/win32_poses.cpp) puts the program into each
# state and waits there.
#   scripts/win32-screenshots.sh [build directory, default build/windows]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
here=$root/tests/e2e/win32
source "$here/wine_env.sh"

build=$(cd "${1:-$root/build/windows}" && pwd)
driver=$build/tests/e2e/win32/keyrill_e2e.exe
keyrill=$build/src/win32/keyrill.exe
prefix=$build/tests/e2e/win32/wineprefix
for file in "$driver" "$keyrill"; do
  [ -f "$file" ] || { echo "missing $file: build the Windows configuration first"; exit 1; }
done
[ -f "$prefix/system.reg" ] || bash "$here/boot_prefix.sh" "$prefix"

poses=$(mktemp -d)
work=$(mktemp -d)
wine_env "$prefix"
start_display
trap 'stop_wine; stop_display; rm -rf "$poses" "$work"' EXIT

wine "$driver" poses "$keyrill" "$work" "$poses" &
driver_pid=$!

# The main window's frame is 500 x 500 at (50, 50) of the 800 x 600 desktop, and
# the Report is centred on that desktop, over the main window.
for pose in idle run report; do
  waited=0
  until [ -f "$poses/$pose.ready" ]; do
    sleep 0.2
    waited=$((waited + 1))
    [ $waited -lt 600 ] || { echo "the program never reached the $pose pose"; exit 1; }
  done
  import -window root -crop 500x500+50+50 +repage "$root/docs/win32-$pose.png"
  echo "docs/win32-$pose.png"
  touch "$poses/$pose.done"
done
wait "$driver_pid"
