#!/usr/bin/env bash
# Installs the Debian packages Keyrill needs, and only those that are missing.
#   install-deps.sh run   what building and running the Linux program needs, and the
#                         dev preset's tests (GoogleTest)
#   install-deps.sh test  that and everything the test command uses (the default)
set -euo pipefail

run_packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-wayland
  fonts-dejavu-core libxcb1-dev libxcb-shm0-dev libgtest-dev
)
test_packages=(
  git clang libclang-rt-14-dev
  libgmock-dev libbenchmark-dev googletest
  xvfb xauth xdotool x11-utils x11-xkb-utils xkb-data locales imagemagick
  libx11-dev libxtst-dev libxdamage-dev xterm gtypist
  g++-mingw-w64-x86-64 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 fonts-wine
  dpkg-dev fakeroot lintian desktop-file-utils appstream man-db bsdextrautils file
  nsis zip unzip
  openbox xfwm4 xfconf dbus-daemon wmctrl sway wtype grim python3 ibus
  at-spi2-core python3-pyatspi orca speech-dispatcher
)

case "${1:-test}" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The language checks run the Qt program under these locales.
if [ "${1:-test}" = test ]; then
  for l in ru_RU pl_PL de_DE fr_FR; do
    locale -a 2>/dev/null | grep -qix "$l.utf8" && continue
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO localedef -i "$l" -f UTF-8 "$l.UTF-8"
  done
fi
