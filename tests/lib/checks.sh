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
