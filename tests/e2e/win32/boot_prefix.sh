#!/usr/bin/env bash
# Makes (or brings up to date) the Wine prefix the end-to-end tests share, and
# sets it to show every program on one virtual desktop, so that windows have
# their frames and positions without a window manager, at 96 DPI or the DPI given
# (the desktop then grows by the same factor, so the scaled window fits on it).
# Test side (ctest fixture).
#   boot_prefix.sh <prefix> [dpi]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine_env.sh"

prefix=$1 dpi=${2:-96}
mkdir -p "$(dirname "$prefix")"
wine_env "$prefix"
KEYRILL_DPI=$dpi start_display || exit 1
trap 'stop_wine; stop_display' EXIT

wineboot --init >/dev/null 2>&1
status=$?
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 || status=1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default \
  /d "$((800 * dpi / 96))x$((600 * dpi / 96))" /f >/dev/null 2>&1 || status=1
if [ "$dpi" != 96 ]; then
  # Read by Wine when its server starts again (stop_wine below ends it).
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
    >/dev/null 2>&1 || status=1
fi
# Debian's fonts-wine (Marlett for the caption buttons, the dialog fonts) lies
# where this Wine does not look; the prefix's own Fonts folder is always read.
if [ -d /usr/share/wine/fonts ] && [ -d "$prefix/drive_c/windows/Fonts" ]; then
  for font in /usr/share/wine/fonts/*; do
    ln -sf "$font" "$prefix/drive_c/windows/Fonts/$(basename "$font")"
  done
fi
stop_wine
if [ $status -ne 0 ] || [ ! -f "$prefix/system.reg" ]; then
  echo "the Wine prefix $prefix could not be made"
  exit 1
fi
echo "Wine prefix ready: $prefix ($dpi DPI)"
