#!/usr/bin/env bash
# Takes the README's desktop screenshots again: the Linux program under openbox
# (docs/openbox-*.png, with the window manager's frames) and on Wayland under sway
# (docs/wayland-*.png), by running the desktop tests with a screenshot prefix.
# Needs the native build (bash scripts/test.sh, or cmake --build --preset native).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
source scripts/window_title.sh
keyrill="$root/build/native/src/qt/keyrill"
[ -x "$keyrill" ] || { echo "build the native preset first: $keyrill is missing" >&2; exit 1; }
# KEYRILL_SHOTS_DIR: where the pictures go (the test command's smoke run sends them
# to the build tree).
shots=${KEYRILL_SHOTS_DIR:-$root/docs}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
bash tests/desktop/x11_desktop.sh openbox "$keyrill" "$scratch/openbox" "$shots/openbox"
bash tests/desktop/sway_desktop.sh "$keyrill" "$scratch/sway" "$shots/wayland"
ls -l "$shots"/openbox-*.png "$shots"/wayland-*.png
