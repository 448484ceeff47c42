#!/usr/bin/env bash
# Takes the README's screenshots of the Qt program on a virtual X display: the idle
# screen, a run in progress and the Report, each cropped to the main window.
# Usage: scripts/qt-screenshots.sh [keyrill binary]   (default build/native/src/qt/keyrill)
# Writes docs/qt-idle.png, docs/qt-run.png and docs/qt-report.png.
set -euo pipefail
source "$(dirname "$0")/qt_screen.sh"

work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$root/samples/tests.tst" "$work/tests.tst"
cd "$work"
"$keyrill" & pid=$!
main=$(timeout 10 xdotool search --sync --onlyvisible --name "^$KEYRILL_WINDOW_TITLE\$" | head -n 1)
shot() { sleep 0.4; import -window root -crop 492x465+50+50 +repage "$shots/$1"; }
focus() { xdotool windowfocus --sync "$main"; sleep 0.2; }

# Select "A Letter Home", the list's first entry, with a double-click.
focus
xdotool key ctrl+s
dialog=$(timeout 10 xdotool search --sync --onlyvisible --name '^Select Test$' | head -n 1)
xdotool mousemove --window "$dialog" 40 20 click --repeat 2 --delay 60 1
sleep 0.5
focus
shot qt-idle.png

# Begin and type into the first paragraph, with a slip or two left in.
xdotool key Return
sleep 0.3
xdotool type --delay 40 'Dear Ana, the train reached Porto at 9:20 this mornign, only 15 minutes late. The river was'
sleep 1.2
xdotool type --delay 40 ' grey'  # the cursor stays solid for half a second after a key
shot qt-run.png

# Type the rest of the test; the last key opens the Report.
rest=' and calm, and the bridges looked like drawings in pencil.'
rest+='I found the hostel on Rua das Flores without asking anyone, which I am proud of. '
rest+='My room is on the 4th floor; the window opens onto a courtyard full of lemon trees.'
rest+='Tomorrow I will walk to the market, buy bread, cheese and 2 kilos of oranges, '
rest+='and then try to find the bookshop with the famous red staircase.'
rest+='Write soon and tell me how the garden is doing. Did the tomatoas survive the frost? '
rest+='Love, Tomas.'
xdotool type --delay 100 "$rest"  # about 110 words a minute
timeout 10 xdotool search --sync --onlyvisible --name '^Report$' >/dev/null
shot qt-report.png
echo "wrote $shots/qt-idle.png, qt-run.png and qt-report.png"
