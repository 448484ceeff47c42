#!/usr/bin/env bash
# Takes the README's screenshots of the Qt program in two languages on a virtual X
# display: a run of a Russian UTF-8 test under ru_RU.UTF-8 with the Russian keyboard,
# and of a French one under fr_FR.UTF-8 with the French keyboard.
# Usage: scripts/qt-language-screenshots.sh [keyrill binary]
# Writes docs/qt-russian.png and docs/qt-french.png.
set -euo pipefail
source "$(dirname "$0")/qt_screen.sh"

# shoot <locale> <layout> <png> <name> <text> <typed>
shoot() {
  local work pid main dialog
  work=$(mktemp -d)
  printf '\xEF\xBB\xBF~%s\r\n%s\r\n' "$4" "$5" > "$work/tests.tst"
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
  xdotool type --delay 60 -- "$6"
  sleep 1.2
  import -window root -crop 492x465+50+50 +repage "$shots/$3"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  rm -rf "$work"
}

shoot ru_RU.UTF-8 ru qt-russian.png 'Мягкие булки' \
  'Съешь же ещё этих мягких французских булок, да выпей чаю. Широкая электрификация южных губерний даст мощный толчок подъёму сельского хозяйства.' \
  'Съешь же ещё этих мягких французских булок, да выпей чаю. Широкая электрификация южных'
shoot fr_FR.UTF-8 fr qt-french.png 'Café crème' \
  '« Où est le café ? » demanda l’élève. À côté, un garçon naïf mangeait des crêpes ; c’était Noël, déjà.' \
  '« Où est le café ? » demanda l’élève. À côté, un garçon naïf'
echo "wrote $shots/qt-russian.png and qt-french.png"
