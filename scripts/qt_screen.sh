# Sourced by the Qt screenshot scripts with their arguments: the program to run
# ($1, default the native build's), where the pictures go (KEYRILL_SHOTS_DIR, else
# docs/; the test command's smoke runs send them to the build tree), and the script
# run again on a virtual display with the window's 50-pixel offset on every side.
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/window_title.sh"
keyrill=$(readlink -f "${1:-$root/build/native/src/qt/keyrill}")
shots=${KEYRILL_SHOTS_DIR:-$root/docs}
if [ -z "${KEYRILL_SCREENSHOT_DISPLAY:-}" ]; then
  exec env KEYRILL_SCREENSHOT_DISPLAY=1 xvfb-run -a -s "-screen 0 592x565x24" "$0" "$keyrill"
fi
