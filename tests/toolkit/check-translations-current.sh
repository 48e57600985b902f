#!/usr/bin/env bash
# check-translations-current.sh LUPDATE SOURCE_DIR: updates a copy of the
# Greek translation from the sources; fails, naming them, when a text is new
# (unfinished) or gone (vanished).
set -euo pipefail
lupdate=$1
cd "$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp translations/spotsim_el.ts "$work/spotsim_el.ts"
"$lupdate" -silent -locations none -extensions cpp,h -I . \
  shell kinetics graphs decay acids toolkit tools/drive -ts "$work/spotsim_el.ts"
if grep -q -E 'type="(unfinished|vanished|obsolete)"' "$work/spotsim_el.ts"; then
  echo "translations/spotsim_el.ts is not current with the sources (cmake --build build --target update_translations, then translate):"
  grep -B2 -E 'type="(unfinished|vanished|obsolete)"' "$work/spotsim_el.ts" | grep '<source>'
  exit 1
fi
echo "every text of the sources has its Greek translation"
