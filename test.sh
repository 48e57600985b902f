#!/usr/bin/env bash
# Installs what is missing, builds spotsim with its tests and runs them all.
#   ./test.sh             optimised build with debug information, in build/,
#                         the build ./run.sh uses too
#   ./test.sh --sanitize  AddressSanitizer and UndefinedBehaviorSanitizer build,
#                         in build-sanitize/
#   ./test.sh --clang     the same optimised build compiled by clang, in
#                         build-clang/, so that both compilers keep it free
#                         of warnings
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh

case "${1:-}" in
  --sanitize)
    spotsim_ensure_packages
    dir=build-sanitize
    spotsim_build "$dir" -DCMAKE_BUILD_TYPE=Debug -DSPOTSIM_SANITIZE=ON -DSPOTSIM_WERROR=ON
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
    export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
    ;;
  --clang)
    spotsim_ensure_packages "${SPOTSIM_CLANG_PACKAGES[@]}"
    dir=build-clang
    # The compiler is chosen when the folder is first configured.
    CC=clang CXX=clang++ spotsim_build "$dir" "${SPOTSIM_BUILD_ARGS[@]}"
    ;;
  "")
    spotsim_ensure_packages
    dir=$SPOTSIM_BUILD_DIR
    spotsim_build "$dir" "${SPOTSIM_BUILD_ARGS[@]}"
    ;;
  *)
    echo "usage: ./test.sh [--sanitize | --clang]" >&2
    exit 2
    ;;
esac

ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
