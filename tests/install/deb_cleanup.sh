#!/usr/bin/env bash
# Removes what the install test put on the machine: each package named in the marker
# file (keyrill last) that is still installed, with dpkg -r; then the marker. Safe
# to run at any time: without a marker it does nothing; without root it is skipped
# (status 77), as the install test is. Test side (ctest cleanup).
#   deb_cleanup.sh <marker file>
set -uo pipefail
marker=$1
[ "$(id -u)" -eq 0 ] || { echo "SKIP: removing packages needs root"; exit 77; }
[ -f "$marker" ] || exit 0
status=0
# keyrill first, then what apt added for it.
for package in keyrill $(grep -vx keyrill "$marker"); do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'not-installed' && continue
  dpkg-query -W "$package" >/dev/null 2>&1 || continue
  removed=no
  for _ in $(seq 120); do  # another dpkg may hold the lock for a while
    if dpkg -r "$package" >/dev/null 2>&1; then removed=yes; break; fi
    sleep 5
  done
  if [ $removed = yes ]; then echo "removed $package"; else echo "could not remove $package"; status=1; fi
done
[ $status -eq 0 ] && rm -f "$marker"
exit $status
