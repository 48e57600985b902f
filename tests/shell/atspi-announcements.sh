#!/usr/bin/env bash
# atspi-announcements.sh DRIVER: on an X server and a session bus of its
# own, with AT-SPI on, a reaction run from the driver's shown windows; a
# listener on the bus, as a screen reader, must hear the run's start and its
# end as alerts, with each kind's amount in mol/L.
set -euo pipefail
driver=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/run.drive" <<'DRIVE'
seed 3
click eisodos.Command1
click eisagogi.ximia(0)
click neaepilogi.Command2
click amfinaioxi.Command3
click YPOTHETIKES.Command2
click apotelesmata.Command2
wait 4000
DRIVE

cat >"$work/session.sh" <<SESSION
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/libexec/at-spi-bus-launcher --launch-immediately &
/usr/bin/python3 '$here/../support/atspi-alerts.py' '$work/heard' 30 &
listener=\$!
for i in \$(seq 100); do [ -s '$work/heard' ] && break; sleep 0.1; done
'$driver' --show '$work/run.drive'
sleep 1
kill \$listener 2>/dev/null || true
SESSION

bash "$here/../support/x-session.sh" --wm openbox 1366x768 dbus-run-session bash "$work/session.sh" >"$work/log" 2>&1 ||
  { cat "$work/log" >&2; echo "FAIL: the session failed" >&2; exit 1; }
cat "$work/heard"
grep -qx 'shown The run starts. At time 0: A 0.150 mol/L; B 0.000 mol/L.' "$work/heard" ||
  { echo "FAIL: the start of the run was not heard" >&2; exit 1; }
grep -qE '^shown The run has ended\. At time [0-9]+: A 0\.[0-9]{3} mol/L; B 0\.[0-9]{3} mol/L\.$' "$work/heard" ||
  { echo "FAIL: the end of the run was not heard" >&2; exit 1; }
echo "the run was heard at its start and its end"
