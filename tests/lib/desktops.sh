# Shared start-up of the displays and desktops the checks run programs on: a virtual
# X display alone, or with a window manager (openbox, xfwm4), and sway's headless
# Wayland backend (as the user nobody when run as root: sway refuses root). Source
# it after checks.sh. Every wait here is bounded and checks the server is still alive.
display_pid= wm_pid= sway_pid=

# start_xvfb [screen WxH, 1024x768]: a virtual X display of our own (the server picks
# a free number), exported as DISPLAY, its server display_pid; false, with a message,
# when it does not answer within 20 s.
start_xvfb() {
  local screen=${1:-1024x768} number
  number=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$number" 2>/dev/null &
  display_pid=$!
  for _ in $(seq 200); do
    [ -s "$number" ] && break
    kill -0 "$display_pid" 2>/dev/null || break
    sleep 0.05
  done
  DISPLAY=":$(head -n 1 "$number")"
  rm -f "$number"
  [ "$DISPLAY" != ":" ] && export DISPLAY && timeout 10 xprop -root >/dev/null 2>&1 && return 0
  echo "Xvfb (${screen}) did not start within 20 s"
  return 1
}
stop_xvfb() {
  [ -n "$display_pid" ] || return 0
  kill "$display_pid" 2>/dev/null
  timeout 10 tail --pid="$display_pid" -f /dev/null || kill -9 "$display_pid" 2>/dev/null
  wait "$display_pid" 2>/dev/null
  display_pid=
}

# start_x_desktop <openbox|xfwm4|none> <scratch dir> [screen WxH]: a virtual display
# and the window manager on it; false when either does not come up within 30 s.
start_x_desktop() {
  local wm=$1 dir=$2 screen=${3:-1024x768}
  start_xvfb "$screen" || return 1
  case $wm in
    none) return 0 ;;
    openbox) openbox --sm-disable >"$dir/wm.log" 2>&1 & wm_pid=$! ;;
    # xfwm4 keeps its settings in xfconf, which needs a session bus.
    xfwm4) dbus-run-session -- xfwm4 --compositor=off >"$dir/wm.log" 2>&1 & wm_pid=$! ;;
    *) echo "unknown window manager $wm"; return 1 ;;
  esac
  for _ in $(seq 300); do
    timeout 5 xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    kill -0 "$wm_pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
stop_x_desktop() {
  if [ -n "$wm_pid" ]; then pkill -P "$wm_pid" 2>/dev/null; kill "$wm_pid" 2>/dev/null; fi
  stop_xvfb
  wm_pid=
}
# Up to three attempts: a display another program grabs at the same moment is given
# up and tried anew.
start_x_desktop_retrying() {  # same arguments as start_x_desktop
  for attempt in 1 2 3; do
    start_x_desktop "$@" && return 0
    echo "note: the display or $1 did not come up (attempt $attempt)"
    stop_x_desktop
    sleep 1
  done
  return 1
}
# x_desktop_alive: the display and its window manager still run.
x_desktop_alive() {
  kill -0 "$display_pid" 2>/dev/null && { [ -z "$wm_pid" ] || kill -0 "$wm_pid" 2>/dev/null; }
}

# start_sway <log file> [resolution WxH] [extra config line]: sway headless in a new
# short runtime directory ($runtime); run <command> runs in its session as its user.
# False when sway is not answering within 30 s.
start_sway() {
  local log=$1 resolution=${2:-1024x768}
  # A short runtime path: a Wayland socket's path may not exceed 107 bytes.
  runtime=$(mktemp -d /tmp/keyrill-sway.XXXXXX)
  as_user=()
  if [ "$(id -u)" -eq 0 ]; then
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    chown 65534:65534 "$runtime"
  fi
  chmod 700 "$runtime"
  cat >"$runtime/config" <<CONFIG
output HEADLESS-1 resolution $resolution position 0 0
default_border normal
# As on a stacking desktop: the main window keeps its own size instead of a tile.
for_window [app_id="keyrill" title="^Keyrill Beta"] floating enable
CONFIG
  # The session's environment, for every program of the session's user.
  session=(env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$runtime" LANG=C.UTF-8
    XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-1 SWAYSOCK="$runtime/sway.sock")
  "${as_user[@]}" "${session[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
    WLR_RENDERER=pixman sway -c "$runtime/config" >"$log" 2>&1 &
  sway_pid=$!
  for _ in $(seq 300); do
    kill -0 "$sway_pid" 2>/dev/null || return 1
    # sway makes its IPC socket where SWAYSOCK says.
    if [ -S "$runtime/sway.sock" ] && [ -S "$runtime/wayland-1" ]; then
      run timeout 5 swaymsg -t get_version >>"$log" 2>&1 && return 0
    fi
    sleep 0.1
  done
  return 1
}
run() { "${as_user[@]}" "${session[@]}" "$@"; }
sway_alive() { kill -0 "$sway_pid" 2>/dev/null; }
stop_sway() {
  [ -n "$sway_pid" ] && kill "$sway_pid" 2>/dev/null
  [ -n "$sway_pid" ] && timeout 10 tail --pid="$sway_pid" -f /dev/null
  sway_pid=
  [ -n "${runtime:-}" ] && rm -rf "$runtime"
}
