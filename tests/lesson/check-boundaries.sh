#!/usr/bin/env bash
# check-boundaries.sh SOURCE_DIR: the chapters (kinetics, decay, acids) reach
# the lesson model, the run windows (graphs) and the shell's roads, never
# another chapter's windows or the shell's insides; no two windows of a
# chapter include each other; and the run and the choices live in the
# lesson model alone.
set -euo pipefail
cd "$1"
status=0
fail() {
  echo "$1"
  status=1
}

chapters=(kinetics decay acids)
# What the shell offers the chapters: its roads and the mirrored quantities.
shell_public='shell/(Roads|Quantities)\.h'

for chapter in "${chapters[@]}"; do
  for file in "$chapter"/*.cpp "$chapter"/*.h; do
    while IFS= read -r included; do
      folder=${included%%/*}
      if [[ $folder == shell ]]; then
        [[ $included =~ ^$shell_public$ ]] || fail "$file includes the shell's $included"
      elif [[ $included == */core/* ]]; then
        continue
      elif [[ $folder != "$chapter" && " ${chapters[*]} " == *" $folder "* ]]; then
        fail "$file includes another chapter's $included"
      fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
  done
done

# Two windows of a chapter that include each other: one of them goes back
# through the shell's roads.
for file in kinetics/*.cpp decay/*.cpp acids/*.cpp; do
  header=${file%.cpp}.h
  [[ -f $header ]] || continue
  while IFS= read -r included; do
    other=${included%.h}.cpp
    [[ $included != "$header" && ${included%%/*} == "${file%%/*}" && -f $other ]] || continue
    if grep -q "^#include \"$header\"" "$other"; then
      [[ $file < $other ]] && fail "$file and $other include each other"
    fi
  done < <(sed -n 's/^#include "\([^"]*\.h\)".*/\1/p' "$file")
done

# The run and the choices are the lesson model's: no window holds a run or
# a choice of its own.
while IFS= read -r line; do
  fail "run state outside the lesson model: $line"
done < <(grep -nE '(kinetics::core::|\b)Run [a-zA-Z_]+( *[;{=]| *$)|WizardChoices [a-zA-Z_]+ *[;{=]' \
  shell/*.cpp shell/*.h kinetics/*.cpp kinetics/*.h graphs/*.cpp graphs/*.h decay/*.cpp decay/*.h \
  acids/*.cpp acids/*.h toolkit/*.cpp toolkit/*.h || true)

[[ $status == 0 ]] && echo "the chapters keep to the lesson model, the run windows and the shell's roads"
exit $status
