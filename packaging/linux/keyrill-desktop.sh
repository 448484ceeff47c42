#!/bin/sh
# Starts Keyrill from the desktop menu in the user's own library directory
# ($XDG_DATA_HOME/keyrill), since the program keeps tests.tst in its working
# directory; the first start there gets a copy of the installed sample library.
set -eu
dir="${XDG_DATA_HOME:-$HOME/.local/share}/keyrill"
here="$(dirname "$(readlink -f "$0")")"
sample="$here/../share/keyrill/tests.tst"
mkdir -p "$dir"
if [ ! -e "$dir/tests.tst" ] && [ -f "$sample" ]; then
  cp "$sample" "$dir/tests.tst"
fi
cd "$dir"
exec "$here/keyrill" "$@"
