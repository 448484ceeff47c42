#!/bin/sh
# Starts Keyrill from the desktop menu in the user's own library directory
# ($XDG_DATA_HOME/keyrill), since the program keeps tests.tst in its working
# directory; the first start there gets a copy of the installed library of the
# user's language.
set -eu
dir="${XDG_DATA_HOME:-$HOME/.local/share}/keyrill"
here="$(dirname "$(readlink -f "$0")")"
share="$here/../share/keyrill"
mkdir -p "$dir"
if [ -f "$share/first-library.sh" ]; then
  . "$share/first-library.sh"
  keyrill_first_library "$share/languages" "$dir" >/dev/null || true
fi
cd "$dir"
exec "$here/keyrill" "$@"
