#!/usr/bin/env bash
# Start-up and memory of spotsim on a real X server (Xvfb), beside a bare Qt
# Widgets program (bench/bare-qt) measured in the same run, at 1366x768 and
# at 3840x2160. Prints one figure a line as `name: value`:
#
#   startup-x-ms-SIZE / startup-x-ms-SIZE-bare   median time from the start of
#                          the process to its first window painted on the screen
#   startup-x-ratio-SIZE   spotsim's median over the bare program's
#   title-rss-mb-SIZE / title-rss-mb-SIZE-bare   peak memory until then
#   lesson-x-ms-SIZE       the same for spotsim --lesson with the first shipped
#                          lesson, up to its panel painted at the first turn
#   lesson-x-ratio-SIZE    that over spotsim's own start
#   road-peak-rss-mb-4k    peak memory of the typical reaction road (the tour
#                          tools/tours/reaction.drive up to "Change of Rates",
#                          without its screenshots) shown at 3840x2160
#   road-peak-rss-mb-4k-bare  the bare program showing five full-screen and
#                          four quarter-screen windows
#
# Usage: bench/startup-x.sh [--runs N] [--build DIR]
#   N runs of each program at each size (7 unless given); DIR is the build
#   folder (build-release unless given, configured for Release when new).
set -euo pipefail
cd "$(dirname "$0")/.."

runs=7
build=build-release
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    *) echo "usage: bench/startup-x.sh [--runs N] [--build DIR]" >&2; exit 2 ;;
  esac
done

case "$build" in /*) ;; *) build=$PWD/$build ;; esac
spotsim=$build/shell/spotsim
drive=$build/tools/drive/spotsim-drive
bare=$build/bench/spotsim-bare

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# One start: prints the milliseconds until the first window is painted and
# the peak resident memory in MB.
start_once() {
  local rss err t0 t1
  rss=$(mktemp)
  err=$(mktemp)
  t0=$EPOCHREALTIME
  if ! SPOTSIM_EXIT_WHEN_SHOWN=${awaited:-1} /usr/bin/time -f %M -o "$rss" "$@" >/dev/null 2>"$err"; then
    echo "startup-x.sh: $* failed on $DISPLAY:" >&2
    tail -n 6 "$err" >&2
    rm -f "$rss" "$err"
    return 1
  fi
  t1=$EPOCHREALTIME
  awk -v a="$t0" -v b="$t1" -v kb="$(tail -n 1 "$rss")" 'BEGIN { printf "%.1f %.1f\n", (b - a) * 1000, kb / 1024 }'
  rm -f "$rss" "$err"
}

peak_mb() {
  local rss err
  rss=$(mktemp)
  err=$(mktemp)
  if ! /usr/bin/time -f %M -o "$rss" "$@" >/dev/null 2>"$err"; then
    echo "startup-x.sh: $* failed on $DISPLAY:" >&2
    tail -n 6 "$err" >&2
    rm -f "$rss" "$err"
    return 1
  fi
  awk -v kb="$(tail -n 1 "$rss")" 'BEGIN { printf "%.1f\n", kb / 1024 }'
  rm -f "$rss" "$err"
}

# An X server of the given size on a display number it picks itself (other
# programs may be starting servers at the same time); sets DISPLAY.
start_x() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  # -noreset: the server would reset whenever its last client leaves,
  # refusing the next program for a moment.
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$fifo" 2>/dev/null &
  xserver=$!
  read -r number <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$number"
}

stop_x() {
  kill "$xserver"
  wait "$xserver" 2>/dev/null || true
}

# The measurements at one screen size, on its own X server.
measure() {
  local name=$1 size=$2
  local work
  work=$(mktemp -d)
  # Warm the file caches first; then the two programs alternate.
  start_once "$bare" >/dev/null
  start_once "$spotsim" >/dev/null
  : >"$work/spotsim"
  : >"$work/bare"
  : >"$work/lesson"
  local lesson
  lesson=$(ls lesson/lessons/*.spotsim-lesson | head -n 1)
  for ((i = 0; i < runs; i++)); do
    start_once "$bare" >>"$work/bare"
    start_once "$spotsim" >>"$work/spotsim"
    awaited=mathima start_once "$spotsim" --lesson "$lesson" >>"$work/lesson"
  done
  local ms_s ms_b mb_s mb_b
  ms_s=$(cut -d' ' -f1 "$work/spotsim" | median)
  ms_b=$(cut -d' ' -f1 "$work/bare" | median)
  mb_s=$(cut -d' ' -f2 "$work/spotsim" | median)
  mb_b=$(cut -d' ' -f2 "$work/bare" | median)
  echo "startup-x-ms-$name: $ms_s"
  echo "startup-x-ms-$name-bare: $ms_b"
  awk -v s="$ms_s" -v b="$ms_b" -v n="$name" 'BEGIN { printf "startup-x-ratio-%s: %.2f\n", n, s / b }'
  echo "title-rss-mb-$name: $mb_s"
  local ms_l
  ms_l=$(cut -d' ' -f1 "$work/lesson" | median)
  echo "lesson-x-ms-$name: $ms_l"
  awk -v l="$ms_l" -v s="$ms_s" -v n="$name" 'BEGIN { printf "lesson-x-ratio-%s: %.2f\n", n, l / s }'
  echo "title-rss-mb-$name-bare: $mb_b"

  if [ "$name" = 4k ]; then
    # The road without its screenshots (they are the driver's memory, not
    # the program's), and a pause at the end so that every window is painted.
    mkdir -p "$work/screenshots"
    awk '/^(shot|screen) / { next } { print } /^click grafiki1.changerates/ { stop = 1 }
         stop && /^expect mathematical.grafvcshos/ { exit }' tools/tours/reaction.drive >"$work/road.drive"
    echo "wait 500" >>"$work/road.drive"
    local road road_bare
    road=$(cd "$work" && peak_mb "$drive" --show --screen "$size" road.drive)
    road_bare=$(SPOTSIM_EXIT_WHEN_SHOWN=1 peak_mb "$bare" 5 4)
    echo "road-peak-rss-mb-4k: $road"
    echo "road-peak-rss-mb-4k-bare: $road_bare"
  fi
  rm -rf "$work"
}

source tools/setup.sh
spotsim_ensure_packages
if [ -f "$build/CMakeCache.txt" ]; then
  cmake --build "$build" --target spotsim spotsim-drive spotsim-bare >/dev/null
else
  spotsim_build "$build" --target spotsim --target spotsim-drive --target spotsim-bare -DCMAKE_BUILD_TYPE=Release
fi

trap 'stop_x' EXIT
for screen in 1366:1366x768 4k:3840x2160; do
  start_x "${screen#*:}"
  measure "${screen%%:*}" "${screen#*:}"
  stop_x
done
trap - EXIT
