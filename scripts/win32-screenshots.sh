#!/usr/bin/env bash
# Takes the documentation's pictures of keyrill.exe running under Wine on a
# virtual display: docs/win32-idle.png, docs/win32-run.png, docs/win32-report.png;
# with a DPI other than 96, on a display scaled to it, docs/win32-<dpi>-*.png.
# The driver's "poses" case (tests/e2e/win32/driver/case_poses.cpp) puts the
# program into each state and waits there.
#   scripts/win32-screenshots.sh [build directory, default build/windows] [dpi, default 96]
# KEYRILL_SHOTS_DIR: where the pictures go in place of docs/ (the test command's smoke
# run sends them to the build tree).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
here=$root/tests/e2e/win32
source "$here/wine_env.sh"

build=$(cd "${1:-$root/build/windows}" && pwd)
driver=$build/tests/e2e/win32/keyrill_e2e.exe
keyrill=$build/src/win32/keyrill.exe
dpi=${2:-96}
shots=${KEYRILL_SHOTS_DIR:-$root/docs}
prefix=$build/tests/e2e/win32/wineprefix
name=win32
if [ "$dpi" != 96 ]; then
  prefix=$prefix-$dpi
  name=win32-$dpi
fi
export KEYRILL_DPI=$dpi
for file in "$driver" "$keyrill"; do
  [ -f "$file" ] || { echo "missing $file: build the Windows configuration first"; exit 1; }
done
[ -f "$prefix/system.reg" ] || bash "$here/boot_prefix.sh" "$prefix" "$dpi"

poses=$(mktemp -d)
work=$(mktemp -d)
wine_env "$prefix"
start_display
trap 'stop_wine; stop_display; rm -rf "$poses" "$work"' EXIT

wine "$driver" poses "$keyrill" "$work" "$poses" &
driver_pid=$!

# The main window's frame is 500 x 500 at (50, 50) of the 800 x 600 desktop, all
# scaled by the DPI, and the Report is centred on that desktop, over the main window.
side=$((500 * dpi / 96)) at=$((50 * dpi / 96))
for pose in idle run report; do
  waited=0
  until [ -f "$poses/$pose.ready" ]; do
    sleep 0.2
    waited=$((waited + 1))
    kill -0 "$driver_pid" 2>/dev/null || { echo "the driver ended before the $pose pose"; exit 1; }
    [ $waited -lt 300 ] || { echo "the program never reached the $pose pose within a minute"; exit 1; }
  done
  import -window root -crop "${side}x${side}+${at}+${at}" +repage "$shots/$name-$pose.png"
  echo "$shots/$name-$pose.png"
  touch "$poses/$pose.done"
done
# The driver ends once the last pose is done; a minute at most.
if ! timeout 60 tail --pid="$driver_pid" -f /dev/null; then
  echo "the driver did not end within a minute of its last pose"
  kill -9 "$driver_pid" 2>/dev/null
fi
wait "$driver_pid"
