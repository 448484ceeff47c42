# Shared by the shell checks that drive the real program: counted failures and, on
# an X display, waiting for windows by their exact title. Source it; then end with
# `finish`.
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
finish() {  # the count, and the script's status
  echo "$failures failure(s)"
  [ "$failures" -eq 0 ]
}

# The main window's title and client size as the build configures them, which the
# test command sets; a script run without them stops at once and says which.
need_window_env() {
  : "${KEYRILL_WINDOW_TITLE:?the main window title, which the test command sets from the build}"
  : "${KEYRILL_CLIENT_WIDTH:?the client width, which the test command sets from the build}"
  : "${KEYRILL_CLIENT_HEIGHT:?the client height, which the test command sets from the build}"
}

find_window() {  # find_window <exact title> [seconds, 10] -> id, or empty
  timeout "${2:-10}" xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}
gone() {  # gone <exact title> [seconds, 5]: true once no visible window has that title
  local tenths=$((${2:-5} * 10))
  for _ in $(seq "$tenths"); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

running() {  # running <pid>: the process exists and has not ended (a zombie has)
  [ -e "/proc/$1" ] && ! grep -q '^State:[[:space:]]*Z' "/proc/$1/status" 2>/dev/null
}
# stop_pids <pid>...: TERM to each, KILL after 5 s to any still running, then reaps
# the script's own children; never takes much longer than 5 s.
stop_pids() {
  local pid any
  for pid; do [ -n "$pid" ] && kill "$pid" 2>/dev/null; done
  for _ in $(seq 50); do
    any=no
    for pid; do [ -n "$pid" ] && running "$pid" && any=yes; done
    [ $any = no ] && break
    sleep 0.1
  done
  for pid; do
    [ -n "$pid" ] || continue
    running "$pid" && kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  return 0
}
# exit_status_within <pid> <seconds>: waits for a child of this script to end and
# sets exit_status to its status, or to "still running" (and is false) when it does
# not end. Call it in this shell, never inside $(...): a subshell cannot reap the
# script's child, and its wait gives -1 for one still running when it began.
exit_status_within() {
  exit_status="still running"
  for _ in $(seq $(($2 * 10))); do running "$1" || break; sleep 0.1; done
  running "$1" && return 1
  wait "$1"
  exit_status=$?
}
# expect_clean_exit <pid> <what ended it> [hint]: the program ends within 10 s with
# status 0; the hint says what a program still running points to.
expect_clean_exit() {
  exit_status_within "$1" 10
  case $exit_status in
    "still running") fail "$2 did not end the program${3:+ ($3)}" ;;
    0) pass "$2 ended the program with 0" ;;
    *) fail "$2: exit status $exit_status" ;;
  esac
}
# expect_bytes <file> <bytes> <what>: the file holds exactly those bytes; a failure
# shows them as od does, CR and LF readable.
expect_bytes() {
  local want have
  want=$(printf '%s' "$2" | od -An -c)
  have=$(od -An -c "$1")
  [ "$want" = "$have" ] && pass "$3" || fail "$3: $(basename "$1") holds$have, not$want"
}
