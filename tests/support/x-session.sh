#!/usr/bin/env bash
# x-session.sh WxH COMMAND...
# Runs COMMAND on a private X server (Xvfb) of WxH pixels with the icewm window
# manager and its taskbar: windows get real frames and title bars, and the
# desktop's work area is smaller than the screen. Fails, never skips, when the
# server or the window manager cannot start. Both are stopped afterwards.
set -euo pipefail

size=${1:?usage: x-session.sh WxH COMMAND...}
shift
[ $# -gt 0 ] || { echo "usage: x-session.sh WxH COMMAND..." >&2; exit 2; }

for tool in Xvfb icewm xprop; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "x-session: $tool is missing; tools/setup.sh installs it" >&2
    exit 1
  fi
done

work=$(mktemp -d)
xvfb=
wm=
cleanup() {
  [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

show_log() {
  echo "--- $1" >&2
  cat "$work/$1" >&2 2>/dev/null || true
}

# The server writes its display number once it accepts clients.
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 200); do
  [ -s "$work/display" ] && break
  if ! kill -0 "$xvfb" 2>/dev/null; then
    show_log xvfb.log
    echo "x-session: Xvfb did not start" >&2
    exit 1
  fi
  sleep 0.1
done
if [ ! -s "$work/display" ]; then
  show_log xvfb.log
  echo "x-session: Xvfb gave no display within 20 s" >&2
  exit 1
fi
export DISPLAY=":$(head -n 1 "$work/display")"

# A home of its own, so that nothing of the user's icewm setup applies.
HOME="$work" icewm >"$work/icewm.log" 2>&1 &
wm=$!
# The window manager is running once it announces itself and the work area
# without its taskbar.
for _ in $(seq 300); do
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' &&
     xprop -root _NET_WORKAREA 2>/dev/null | grep -q '='; then
    ready=1
    break
  fi
  if ! kill -0 "$wm" 2>/dev/null; then
    show_log icewm.log
    echo "x-session: icewm did not start" >&2
    exit 1
  fi
  sleep 0.1
done
if [ -z "${ready:-}" ]; then
  show_log icewm.log
  echo "x-session: icewm did not take over the display within 30 s" >&2
  exit 1
fi

status=0
QT_QPA_PLATFORM=xcb "$@" || status=$?
exit "$status"
