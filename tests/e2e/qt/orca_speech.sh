#!/usr/bin/env bash
# What Orca itself says while the real keyrill binary is used (run under
# `xvfb-run -a dbus-run-session --`): Orca runs headless with its own preferences
# and a debug log, and the log's SPEECH OUTPUT lines must hold the first line to
# type when the run begins, the next line when one is finished, and the Report's
# figures with their labels as the focus moves through them.
# Usage: orca_speech.sh <keyrill binary> <scratch directory>
source "$(dirname "$0")/xvfb_program.sh" "$@"
orca_pid=
cleanup() { stop_pids "$pid" "$orca_pid"; }

rm -rf "$work" && mkdir -p "$work/orca" && cd "$work" || exit 1
printf '\r\n~Home\r\nRest your fingers\r\non the home row.\r\n' > tests.tst
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
log=$work/orca.debug
orca --replace -u "$work/orca" --debug-file="$log" >/dev/null 2>&1 & orca_pid=$!
said() { grep -a 'SPEECH OUTPUT' "$log" 2>/dev/null; }
sleep 8  # Orca writes its log in bursts; its greeting is over by then



"$keyrill" & pid=$!
main=$(find_window "$KEYRILL_WINDOW_TITLE")
[ -n "$main" ] || { fail "the main window did not appear"; finish; exit; }
xdotool windowfocus --sync "$main"; sleep 1
xdotool key ctrl+s
dialog=$(find_window 'Select Test')
[ -n "$dialog" ] || { fail "Select Test did not open"; finish; exit; }
xdotool mousemove --window "$dialog" 40 20 click --repeat 2 --delay 60 1
gone 'Select Test' || fail "Select Test stayed open after the double-click"
xdotool windowfocus --sync "$main"; sleep 1
xdotool key Return; sleep 2
xdotool type --delay 80 'Rest your fingers'; sleep 2  # the line ends at its length
xdotool type --delay 80 'on the home row.'
report=$(find_window 'Report')
[ -n "$report" ] || fail "no Report after typing the whole test"
sleep 2
for _ in 1 2 3 4 5 6; do xdotool key Tab; sleep 1; done
# Orca writes its log in blocks and loses the last one when stopped (it does not end
# on TERM within seconds): more focus moves push what was said out to the file.
for _ in $(seq 12); do xdotool key Tab; sleep 0.3; done
sleep 2
stop_pids "$pid" && pid=
stop_pids "$orca_pid" && orca_pid=
said=$(grep -a 'SPEECH OUTPUT' "$log" | sed "s/^.*SPEECH OUTPUT: '//")

# What must have been said: a phrase, and an utterance among those around it (grep's
# context options): a new line is spoken before its first key is echoed; a figure's
# value comes with its label, before it (selected as the field takes the focus) or
# after it.
while IFS='|' read -r what phrase around expected; do
  # shellcheck disable=SC2086 # the context options are words
  grep $around -F -- "$phrase" <<<"$said" | grep -vF -- "$phrase" | grep -qE "^($expected)" \
    && pass "$what" || fail "$what: Orca did not say \"$expected\" around \"$phrase\""
done <<'EOF'
the first line to type when the run begins, before a key is echoed|notification Rest your fingers|-A1|(left shift|R )
the next line when the first is finished, before it is typed|notification on the home row.|-A1|o
the words per minute with its label, when the Report opens|Words Per Minutes: read only text|-B2 -A1|[0-9]
the words in the test with its label|Words In Test: read only text|-B2 -A1|[0-9]
the time taken with its label|Time Taken: read only text|-B2 -A1|[0-9]
the words typed with its label|Words Typed: read only text|-B2 -A1|[0-9]
the characters with their label|Charactars: read only text|-B2 -A1|[0-9]
the errors with their label|Errors: read only text|-B2 -A1|[0-9]
EOF
[ "$failures" -eq 0 ] || { echo "--- what Orca said:"; echo "$said"; }
finish
