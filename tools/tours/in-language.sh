#!/usr/bin/env bash
# in-language.sh LANGUAGE TOUR: prints the tour as it runs in another
# language (spotsim-drive --lang LANGUAGE -): its pictures and tables go to
# screenshots/LANGUAGE/, and the expectations of texts the language changes
# (captions, numbers with decimals) are left out; those of values, booleans,
# whole numbers, visible windows and shared variables stay.
set -euo pipefail
language=$1
tour=$2
awk -v language="$language" '
  $1 == "expect" && $2 != "visible" && $2 != "ended" && $2 !~ /^(shared|run)\./ &&
    $3 !~ /^(True|False|-?[0-9]+)$/ { next }
  { gsub("screenshots/", "screenshots/" language "/"); print }
' "$tour"
