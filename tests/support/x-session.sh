#!/usr/bin/env bash
# x-session.sh [--wm NAME] WxH COMMAND...
# Runs COMMAND on a private X server (Xvfb) of WxH pixels under a window
# manager: icewm (the default, with its taskbar), openbox, fluxbox (with its
# toolbar), xfwm4, metacity (GNOME Flashback), twm or i3 (a tiling manager,
# with its bar); or, as mutter, on GNOME's compositor run headless as a
# Wayland display server with a virtual monitor of WxH, through its XWayland
# (the command has DISPLAY and WAYLAND_DISPLAY, as in a GNOME session).
# Windows get real frames and title bars. Fails, never skips, when the
# server or the window manager cannot start. All are stopped afterwards.
set -euo pipefail

usage="usage: x-session.sh [--wm icewm|openbox|fluxbox|xfwm4|metacity|twm|i3|mutter] WxH COMMAND..."
wm_name=icewm
if [ "${1:-}" = --wm ]; then
  wm_name=${2:?$usage}
  shift 2
fi
size=${1:?$usage}
shift
[ $# -gt 0 ] || { echo "$usage" >&2; exit 2; }

tools=(Xvfb "$wm_name" xprop xwininfo dbus-daemon)
[ "$wm_name" = mutter ] && tools+=(Xwayland)
for tool in "${tools[@]}"; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "x-session: $tool is missing; tools/setup.sh installs it" >&2
    exit 1
  fi
done

work=$(mktemp -d)
xvfb=
wm=
bus=
cleanup() {
  if [ -n "$wm" ] && kill "$wm" 2>/dev/null; then
    # fluxbox may stay on after the signal.
    for _ in $(seq 20); do kill -0 "$wm" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$wm" 2>/dev/null || true
  fi
  [ -n "$bus" ] && kill "$bus" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

show_log() {
  echo "--- $1" >&2
  cat "$work/$1" >&2 2>/dev/null || true
}

start_bus() {
  dbus-daemon --session --nofork --nopidfile --print-address=4 4>"$work/bus" 2>"$work/bus.log" &
  bus=$!
  for _ in $(seq 100); do [ -s "$work/bus" ] && break; sleep 0.1; done
  [ -s "$work/bus" ] || { show_log bus.log; echo "x-session: the session bus did not start" >&2; exit 1; }
}

if [ "$wm_name" = mutter ]; then
  # A runtime folder and a bus of its own; its settings from memory. It
  # starts XWayland at once and says which display it took.
  mkdir -m 700 "$work/runtime"
  start_bus
  XDG_RUNTIME_DIR="$work/runtime" HOME="$work" GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 \
    DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$work/bus")" \
    mutter --wayland --headless --virtual-monitor "$size" --wayland-display=wayland-spotsim >"$work/wm.log" 2>&1 &
  wm=$!
  for _ in $(seq 300); do
    display=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$work/wm.log" | head -n 1 || true)
    auth=$(ls "$work/runtime"/.mutter-Xwaylandauth.* 2>/dev/null | head -n 1 || true)
    if [ -n "$display" ] && [ -n "$auth" ] &&
      DISPLAY=$display XAUTHORITY=$auth xprop -root _NET_WORKAREA 2>/dev/null | grep -q '='; then
      break
    fi
    if ! kill -0 "$wm" 2>/dev/null; then
      show_log wm.log
      echo "x-session: mutter did not start" >&2
      exit 1
    fi
    display=
    sleep 0.1
  done
  if [ -z "$display" ]; then
    show_log wm.log
    echo "x-session: mutter's XWayland did not come up within 30 s" >&2
    exit 1
  fi
  status=0
  DISPLAY=$display XAUTHORITY=$auth XDG_RUNTIME_DIR="$work/runtime" WAYLAND_DISPLAY=wayland-spotsim \
    QT_QPA_PLATFORM=xcb "$@" || status=$?
  exit "$status"
fi

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

# A home of its own, so that nothing of the user's set-up applies. Each
# manager is running once it announces itself: the EWMH ones by their check
# window and the work area, twm (which knows neither) by its own windows.
case "$wm_name" in
  icewm) HOME="$work" icewm >"$work/wm.log" 2>&1 & ;;
  openbox) HOME="$work" openbox --sm-disable >"$work/wm.log" 2>&1 & ;;
  fluxbox)
    # Its wallpaper setter, finding no program to set one with, would say so
    # in a window of its own: the session needs no wallpaper.
    mkdir -p "$work/bin"
    printf '#!/bin/sh\nexit 0\n' >"$work/bin/fbsetbg"
    chmod +x "$work/bin/fbsetbg"
    HOME="$work" PATH="$work/bin:$PATH" fluxbox -no-slit >"$work/wm.log" 2>&1 &
    ;;
  xfwm4)
    # xfwm4 reads its settings through xfconfd, which a session bus starts:
    # without one ("Xfconf could not be initialized") it never takes over
    # the display. It gets a bus of its own, which starts xfconfd and ends
    # it, its own settings, no accessibility bridge, no session manager and
    # no compositor, which nothing here needs.
    start_bus
    HOME="$work" XDG_CONFIG_HOME="$work/.config" XDG_DATA_HOME="$work/.local/share" XDG_CACHE_HOME="$work/.cache" \
      DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$work/bus")" NO_AT_BRIDGE=1 \
      xfwm4 --compositor=off --sm-client-disable >"$work/wm.log" 2>&1 &
    ;;
  metacity)
    # Its settings from memory, no dconf. No compositor,
    # as under xfwm4.
    HOME="$work" GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 \
      metacity --sm-disable --compositor=none >"$work/wm.log" 2>&1 &
    ;;
  twm) HOME="$work" twm >"$work/wm.log" 2>&1 & ;;
  i3)
    # The stock configuration's bar at the bottom, nothing else started.
    cat >"$work/i3.config" <<'CONFIG'
# i3 config file (v4)
font pango:DejaVu Sans 8
bar {
  status_command true
}
CONFIG
    HOME="$work" i3 -c "$work/i3.config" >"$work/wm.log" 2>&1 &
    ;;
  *) echo "x-session: unknown window manager $wm_name; $usage" >&2; exit 2 ;;
esac
wm=$!
ready() {
  if [ "$wm_name" = i3 ]; then
    # i3 publishes no work area: running once its bar is docked.
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' &&
      xwininfo -root -tree 2>/dev/null | grep -q '"i3bar for output'
    return
  fi
  if [ "$wm_name" = twm ]; then
    # twm takes the redirection of the root window first, then makes its
    # own windows (the icon manager, menus).
    xwininfo -root -children 2>/dev/null | grep -q '^ *[1-9][0-9]* child'
    return
  fi
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' &&
    xprop -root _NET_WORKAREA 2>/dev/null | grep -q '='
}
for _ in $(seq 300); do
  if ready; then
    started=1
    break
  fi
  if ! kill -0 "$wm" 2>/dev/null; then
    show_log wm.log
    echo "x-session: $wm_name did not start" >&2
    exit 1
  fi
  sleep 0.1
done
if [ -z "${started:-}" ]; then
  show_log wm.log
  echo "x-session: $wm_name did not take over the display within 30 s" >&2
  exit 1
fi

status=0
QT_QPA_PLATFORM=xcb "$@" || status=$?
exit "$status"
