#!/usr/bin/env bash
# The windows preset's CMAKE_CROSSCOMPILING_EMULATOR: runs one Windows test program
# under Wine in a prefix of its own, made on first use (ctest runs tests side by
# side, so the first one makes it while the others wait). Test side (shell).
#   wine_emulator.sh <prefix> <program.exe> [arguments...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e/win32/wine_env.sh"

prefix=$(realpath -m "$1")
shift
mkdir -p "$(dirname "$prefix")"
wine_env "$prefix"
# Console programs only: no window, so no display.
unset DISPLAY WAYLAND_DISPLAY
(
  flock 9
  if [ ! -f "$prefix/system.reg" ]; then
    wineboot --init >/dev/null 2>&1
    wineserver -w
  fi
  # Wine's server shuts down 3 s after the prefix's last program ends, and a program
  # that connects while it shuts down is cut off ("recvmsg: Connection reset by
  # peer"), failing its test. One server that stays a minute after the last program
  # serves the whole run. Its first program starts Wine's background processes,
  # which keep that program's stderr and other descriptors open as long as they
  # live: start them here with none of the test's and not the lock, or ctest and the
  # next test would wait for them to end.
  if wineserver -p60 </dev/null >/dev/null 2>&1 9>&-; then
    wine cmd /c exit </dev/null >/dev/null 2>&1 9>&-
  fi
) 9>"$prefix.lock"
[ -f "$prefix/system.reg" ] || { echo "the Wine prefix $prefix could not be made"; exit 1; }

# A Windows program ends its lines with CR LF; GoogleTest's test listing is read
# line by line, so the CRs go.
wine "$@" | tr -d '\r'
