# Sourced by the scripts that run Windows programs for the tests: a private Wine
# prefix, no Mono or Gecko prompts, no debug chatter, and a virtual X display of
# our own. Test side (shell).

# wine_env <prefix>: the environment every Wine call of the tests shares.
wine_env() {
  export WINEPREFIX=$1
  export WINEARCH=win64
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
}

# start_display: starts Xvfb on a free display (the server picks the number) and
# exports DISPLAY; stop_display ends it. Sets display_pid. The screen is 1024 x 768
# at 96 DPI and grows with KEYRILL_DPI, as the Wine desktop on it does.
start_display() {
  local numberFile dpi=${KEYRILL_DPI:-96}
  numberFile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$((1024 * dpi / 96))x$((768 * dpi / 96))x24" -nolisten tcp \
    3>"$numberFile" 2>/dev/null &
  display_pid=$!
  local tries=0
  while [ ! -s "$numberFile" ] && [ $tries -lt 200 ]; do
    sleep 0.05
    tries=$((tries + 1))
  done
  if [ ! -s "$numberFile" ]; then
    echo "Xvfb did not start"
    rm -f "$numberFile"
    return 1
  fi
  export DISPLAY=":$(head -n 1 "$numberFile")"
  rm -f "$numberFile"
}

stop_display() {
  if [ -n "${display_pid:-}" ]; then
    kill "$display_pid" 2>/dev/null
    timeout 10 tail --pid="$display_pid" -f /dev/null || kill -9 "$display_pid" 2>/dev/null
    wait "$display_pid" 2>/dev/null
    display_pid=
  fi
}

# stop_wine: ends every Wine process of the prefix (the desktop included), so
# that the next test starts from a quiet prefix on its own display.
stop_wine() {
  wineserver -k 2>/dev/null
  timeout 60 wineserver -w 2>/dev/null || { echo "wine still ran a minute later; killing it"; wineserver -k 2>/dev/null; }
}
