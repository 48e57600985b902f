#!/usr/bin/env bash
# Installs what is missing, builds spotsim and starts it. Without a display it
# runs the tours offscreen instead, writes their screenshots to screenshots/
# and says what each one shows. It builds in build/ exactly as ./test.sh does,
# so that neither compiles again what the other has built.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh

spotsim_ensure_packages
spotsim_build "$SPOTSIM_BUILD_DIR" --target spotsim --target spotsim-drive "${SPOTSIM_BUILD_ARGS[@]}"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$SPOTSIM_BUILD_DIR/shell/spotsim" "$@"
fi

echo "No display found: running the tours of tools/tours offscreen, in English and in Greek."
mkdir -p screenshots/el
for tour in tools/tours/*.drive; do
  "$SPOTSIM_BUILD_DIR/tools/drive/spotsim-drive" --lang en "$tour"
  tools/tours/in-language.sh el "$tour" | "$SPOTSIM_BUILD_DIR/tools/drive/spotsim-drive" --lang el -
done
# A tour says what a picture or table shows in a "# picture:" line just
# above the line that writes it.
echo "Screenshots, pictures and tables (the same in Greek under screenshots/el/):"
for tour in tools/tours/*.drive; do
  what=
  while IFS= read -r line; do
    case "$line" in
      "# picture: "*) what=${line#"# picture: "} ;;
      shot\ *|screen\ *|save\ *|counts\ *)
        echo "  ${line##* }  ${what:-(${line% *})}"
        what= ;;
      *) what= ;;
    esac
  done <"$tour"
done
