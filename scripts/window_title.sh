# Sourced by the scripts that find the main window by its title: KEYRILL_WINDOW_TITLE
# as the test command sets it, or else from the native build's configured version
# header (the one the program's title is compiled from).
if [ -z "${KEYRILL_WINDOW_TITLE:-}" ]; then
  KEYRILL_WINDOW_TITLE=$(sed -n 's/^#define KEYRILL_WINDOW_TITLE "\(.*\)"$/\1/p' \
    "$(dirname "${BASH_SOURCE[0]}")/../build/native/generated/app/version.h" 2>/dev/null)
  [ -n "$KEYRILL_WINDOW_TITLE" ] \
    || { echo "no window title: configure the native preset first" >&2; exit 1; }
fi
export KEYRILL_WINDOW_TITLE
