#!/usr/bin/env bash
# The README's first command: installs what building and running the Linux program
# needs (of the tests, only GoogleTest), builds it in build/app, and opens
# Keyrill in your own library directory, $XDG_DATA_HOME/keyrill (by default
# ~/.local/share/keyrill). The first time, that directory gets a copy of the library
# of your language from samples/languages (English when there is none), as the
# installed menu entry does; after that your tests.tst there is never replaced, and
# the libraries in the repository are never written.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<'MSG'
Keyrill is a desktop program and needs a display, but neither DISPLAY nor
WAYLAND_DISPLAY is set. Run this command from a terminal in your desktop session
(or over ssh -X). To build and run every check without a display, use scripts/test.sh.
MSG
  exit 1
fi

bash scripts/install-deps.sh run

mkdir -p build
cmake --preset app >build/app.configure.log 2>&1 || { cat build/app.configure.log; exit 1; }
cmake --build --preset app -j "${JOBS:-2}"

library="${XDG_DATA_HOME:-$HOME/.local/share}/keyrill"
mkdir -p "$library"
. packaging/linux/first-library.sh
copied=$(keyrill_first_library samples/languages "$library")
if [ -n "$copied" ]; then
  echo "Copied the library samples/languages/$copied.tst to $library/tests.tst"
fi
echo "Starting Keyrill in $library (Ctrl+S selects a test, Enter begins it)"
cd "$library"
exec "$root/build/app/src/qt/keyrill"
