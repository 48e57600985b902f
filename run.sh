#!/usr/bin/env bash
# Installs what is missing, builds spotsim in Release and starts it. Without a
# display it runs the tours offscreen instead and writes their screenshots to
# screenshots/.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh

spotsim_ensure_packages
spotsim_build build-release --target spotsim --target spotsim-drive -DCMAKE_BUILD_TYPE=Release

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build-release/shell/spotsim "$@"
fi

echo "No display found: running the tours offscreen; screenshots go to screenshots/."
mkdir -p screenshots
for tour in tools/tours/*.drive; do
  build-release/tools/drive/spotsim-drive "$tour"
done
ls screenshots
