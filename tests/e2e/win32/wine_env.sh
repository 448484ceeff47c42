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

# start_display: a virtual X display of our own (tests/lib), exported as DISPLAY;
# stop_display ends it. The screen is 1024 x 768 at 96 DPI and grows with
# KEYRILL_DPI, as the Wine desktop on it does.
source "$(dirname "${BASH_SOURCE[0]}")/../../lib/desktops.sh"
start_display() {
  local dpi=${KEYRILL_DPI:-96}
  start_xvfb "$((1024 * dpi / 96))x$((768 * dpi / 96))"
}
stop_display() { stop_xvfb; }

# stop_wine: ends every Wine process of the prefix (the desktop included), so
# that the next test starts from a quiet prefix on its own display.
stop_wine() {
  wineserver -k 2>/dev/null
  timeout 60 wineserver -w 2>/dev/null || { echo "wine still ran a minute later; killing it"; wineserver -k 2>/dev/null; }
}
