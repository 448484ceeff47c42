#!/usr/bin/env bash
# Typing fidelity on a real desktop: starts the desktop, then the harness in it, which
# types licence prose into the real main window from another process and holds what
# the core got against the recording fake. QT_SCALE_FACTOR from the environment is
# honoured (a larger screen at 2). Test side (ctest, and scripts/fidelity-soak.sh).
#   fidelity.sh <openbox|xfwm4|bare|sway|ibus|deadkeys> <harness> <scratch dir> [harness options]
# The harness's own deadline is 60 s; the whole run is cut at 100 s.
set -uo pipefail
here=$(dirname "$(readlink -f "$0")")
source "$here/../lib/checks.sh"
source "$here/../lib/desktops.sh"
config=$1 harness=$(readlink -f "$2") work=$3
shift 3
prose=/usr/share/common-licenses/GPL-3
[ "$config" = sway ] || [ "$config" = deadkeys ] && prose=/usr/share/common-licenses/Apache-2.0
screen=1024x768
[ "${QT_SCALE_FACTOR:-1}" = 1 ] || screen=2048x1536

rm -rf "$work" && mkdir -p "$work/runtime" && chmod 700 "$work/runtime"
harness_pid=
cleanup() {
  [ -n "$harness_pid" ] && kill "$harness_pid" 2>/dev/null
  stop_x_desktop
  stop_sway
}
trap cleanup EXIT

# run_harness <alive check> <command...>: the harness in the background, waited for
# at most 100 s while the desktop stays up.
run_harness() {
  local alive=$1
  shift
  "$@" >"$work/harness.log" 2>&1 &
  harness_pid=$!
  for _ in $(seq 1000); do
    kill -0 "$harness_pid" 2>/dev/null || break
    $alive || { cat "$work/harness.log"; echo "FAIL: the desktop ($config) went away while typing"; return 1; }
    sleep 0.1
  done
  if kill -0 "$harness_pid" 2>/dev/null; then
    cat "$work/harness.log"
    echo "FAIL: the harness did not end within 100 s"
    return 1
  fi
  wait "$harness_pid"
  local status=$?
  harness_pid=
  cat "$work/harness.log"
  return $status
}

case $config in
  openbox | xfwm4 | bare | ibus | deadkeys)
    wm=$config
    case $config in bare | deadkeys) wm=none ;; ibus) wm=openbox ;; esac
    export XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb HOME="$work"
    unset WAYLAND_DISPLAY
    start_x_desktop_retrying "$wm" "$work" "$screen" || { echo "FAIL: the X desktop ($wm) did not start"; exit 1; }
    options=(--prose "$prose" "$@")
    if [ "$config" = deadkeys ]; then
      # US international: the apostrophe key is a dead acute; code page 1252 from a
      # German locale.
      timeout 10 setxkbmap us -variant intl || { echo "FAIL: setxkbmap us intl"; exit 1; }
      export LANG=de_DE.UTF-8 LC_ALL= LC_CTYPE= KEYRILL_CODEPAGE=
      options+=(--accents)
    fi
    if [ "$config" = ibus ]; then
      run_harness x_desktop_alive dbus-run-session -- bash "$here/ibus_session.sh" \
        "$harness" "${options[@]}"
    else
      run_harness x_desktop_alive "$harness" "${options[@]}"
    fi
    ;;
  sway)
    start_sway "$work/sway.log" "$screen" || { cat "$work/sway.log"; echo "FAIL: sway did not start"; exit 1; }
    # The session's user may not reach the build tree: it runs its own copy.
    cp "$harness" "$runtime/keyrill_fidelity"
    run_harness sway_alive "${as_user[@]}" "${session[@]}" QT_QPA_PLATFORM=wayland \
      QT_SCALE_FACTOR="${QT_SCALE_FACTOR:-1}" \
      "$runtime/keyrill_fidelity" --prose "$prose" --sender wtype --pointer none "$@"
    ;;
  *) echo "FAIL: unknown configuration $config"; exit 1 ;;
esac
