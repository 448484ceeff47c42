#!/usr/bin/env bash
# Takes the README's screenshots of the Qt program in two languages on a virtual X
# display, each a run of an article from the shipped library of its language: Russian
# (samples/languages/ru.tst) under ru_RU.UTF-8 with the Russian keyboard, and French
# (fr.tst) under fr_FR.UTF-8 with the French keyboard.
# Usage: scripts/qt-language-screenshots.sh [keyrill binary]
# Writes docs/qt-russian.png and docs/qt-french.png.
set -euo pipefail
source "$(dirname "$0")/qt_screen.sh"

# shoot <locale> <layout> <png> <library> <test name> <characters to type>
shoot() {
  local work pid main dialog typed
  work=$(mktemp -d)
  # The one test, as the library holds it, so that Select Test lists it first; the
  # first characters of its text are typed.
  typed=$(python3 - "$root/samples/languages/$4" "$5" "$work/tests.tst" "$6" <<'PY'
import sys
library, name, out, count = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
for record in open(library, encoding="utf-8", newline="").read().split("\r\n~"):
    if record.split("\r\n", 1)[0] == name:
        open(out, "w", encoding="utf-8", newline="").write("\r\n~" + record)
        print(record.split("\r\n")[1][:count])
        break
else:
    sys.exit(f"no test {name} in {library}")
PY
)
  setxkbmap "$2"
  (cd "$work" && LANG="$1" LC_ALL= LC_CTYPE= exec "$keyrill") & pid=$!
  main=$(timeout 10 xdotool search --sync --onlyvisible --name "^$KEYRILL_WINDOW_TITLE\$" | head -n 1)
  xdotool windowfocus --sync "$main"; sleep 0.3
  xdotool key ctrl+s
  dialog=$(timeout 10 xdotool search --sync --onlyvisible --name '^Select Test$' | head -n 1)
  xdotool mousemove --window "$dialog" 40 20 click --repeat 2 --delay 60 1
  sleep 0.5
  xdotool windowfocus --sync "$main"; sleep 0.2
  xdotool key Return
  sleep 0.3
  xdotool type --delay 60 -- "$typed"
  sleep 1.2
  import -window root -crop 492x465+50+50 +repage "$shots/$3"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  rm -rf "$work"
}

shoot ru_RU.UTF-8 ru qt-russian.png ru.tst 'Статья 1' 75
shoot fr_FR.UTF-8 fr qt-french.png fr.tst 'Article premier' 75
echo "wrote $shots/qt-russian.png and qt-french.png"
