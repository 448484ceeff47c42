#!/usr/bin/env bash
# Inside a private D-Bus session: ibus-daemon with the xkb engine for US English,
# then the harness with Qt's IBus input context. Test side (run by fidelity.sh).
#   ibus_session.sh <harness> [harness options]
set -uo pipefail
ibus-daemon --daemonize --replace --single --panel=disable --emoji-extension=disable \
  --config=disable >/dev/null 2>&1
ready=no
for _ in $(seq 100); do
  timeout 5 ibus engine xkb:us::eng >/dev/null 2>&1 && { ready=yes; break; }
  sleep 0.1
done
[ $ready = yes ] || { echo "FAIL: ibus-daemon did not take the xkb:us::eng engine within 10 s"; exit 1; }
export IBUS_ADDRESS=$(timeout 5 ibus address) QT_IM_MODULE=ibus
echo "ibus: engine $(timeout 5 ibus engine) at $IBUS_ADDRESS"
"$@"
status=$?
timeout 5 ibus exit >/dev/null 2>&1
exit $status
